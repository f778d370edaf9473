// The font of a form on screen, and fitting a caption into the room its control gives it.
#pragma once

#include "ui/Forms.h"

#include <QFont>
#include <QString>

class QWidget;

// The form's font at its character height. The designed face comes first, then faces with the same
// metrics, then any sans-serif. A substitute whose letters are wider than the designed face's is
// narrowed until every label's caption takes no more than the width the form gave that label: a
// label's stored width is its caption's width in the designed face.
QFont WindowFont(const TForm &form);

// Narrows the widget's font, starting from its parent's, just enough for `text` to take at most
// `room` pixels.
void FitText(QWidget &widget, const QString &text, int room);
