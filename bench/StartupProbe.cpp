// A start-up that ends right after the first paint of its window: kestro-read's own (the same
// start-up as the program) or, built with KESTRO_EMPTY_WINDOW, an empty Qt window.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#ifndef KESTRO_EMPTY_WINDOW
#include "app/Startup.h"
#include "ui/Forms.h"
#include "ui/qt/QtPlatform.h"
#endif

namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(object);
        if (event->type() == QEvent::Paint && widget && widget->isWindow() && !FSeen) {
            FSeen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool FSeen = false;
};

} // namespace

int main(int argc, char *argv[])
{
    int qtArgc = 1;
    QApplication qtApplication(qtArgc, argv);
    FirstPaint firstPaint;
    qtApplication.installEventFilter(&firstPaint);
#ifdef KESTRO_EMPTY_WINDOW
    QWidget window;
    window.resize(615, 381);
    window.show();
    return QApplication::exec();
#else
    (void)argc;
    TApplication application;
    Application = &application;
    InstallQtPlatform(application);
    return RunKestroRead();
#endif
}
