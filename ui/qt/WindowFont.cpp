#include "WindowFont.h"

#include "ui/Cp932.h"
#include "ui/StdCtrls.h"

#include <QFontMetricsF>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Free faces with the metrics of the designed Japanese face, by the designed face's names.
struct TSubstitute
{
    const char *Designed; // UTF-8
    QStringList Faces;
};

const TSubstitute kSubstitutes[] = {
    {"ＭＳ Ｐゴシック", {"MS PGothic", "IPAPGothic"}},
};

constexpr int kNarrowest = 50; // per cent of the face's own width

int EffectiveStretch(const QFont &font)
{
    return font.stretch() == QFont::AnyStretch ? 100 : font.stretch();
}

// The widest stretch, in per cent, at which `text` takes at most `room` pixels.
int StretchToFit(QFont font, const QString &text, double room)
{
    int stretch = EffectiveStretch(font);
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    if (width <= room || width <= 0)
        return stretch;
    stretch = std::max(kNarrowest, int(std::floor(stretch * room / width)));
    // Glyph advances are rounded per stretch, so step down until it really fits.
    for (; stretch > kNarrowest; --stretch) {
        font.setStretch(stretch);
        if (QFontMetricsF(font).horizontalAdvance(text) <= room)
            break;
    }
    return stretch;
}

} // namespace

QFont WindowFont(const TForm &form)
{
    const QString designed = QString::fromStdString(Cp932ToUtf8(form.Font().Name));
    QStringList families {designed};
    for (const TSubstitute &substitute : kSubstitutes) {
        if (designed == QString::fromUtf8(substitute.Designed))
            families += substitute.Faces;
    }
    families += "sans-serif";

    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    // A negative height is the character height in pixels; a positive one the cell height.
    font.setPixelSize(std::max(1, std::abs(form.Font().Height)));

    // The labels must keep to their stored widths: narrow the face just enough for the tightest
    // one. Every stretch tried loads a face of its own, so the first guess comes from the
    // unstretched widths and only that stretch and the few below it are measured.
    std::vector<std::pair<QString, double>> captions;
    for (int i = 0; i < form.ComponentCount(); ++i) {
        if (const auto *label = dynamic_cast<const TLabel *>(form.Components(i)))
            captions.emplace_back(
                QString::fromStdString(Cp932ToUtf8(label->Caption())), label->Width());
    }
    auto allFit = [&captions](const QFont &candidate) {
        const QFontMetricsF metrics(candidate);
        return std::all_of(captions.begin(), captions.end(), [&metrics](const auto &caption) {
            return metrics.horizontalAdvance(caption.first) <= caption.second;
        });
    };
    double ratio = 1.0;
    const QFontMetricsF metrics(font);
    for (const auto &[caption, room] : captions) {
        const double width = metrics.horizontalAdvance(caption);
        if (width > room)
            ratio = std::min(ratio, room / width);
    }
    if (ratio < 1.0) {
        int stretch = std::max(kNarrowest, int(std::floor(100 * ratio)));
        // Glyph advances are rounded per stretch, so step down until every caption really fits.
        for (font.setStretch(stretch); stretch > kNarrowest && !allFit(font);)
            font.setStretch(--stretch);
    }
    return font;
}

void FitText(QWidget &widget, const QString &text, int room)
{
    QFont font = widget.parentWidget() ? widget.parentWidget()->font() : widget.font();
    const int stretch = StretchToFit(font, text, room);
    if (stretch != EffectiveStretch(font))
        font.setStretch(stretch);
    widget.setFont(font);
}
