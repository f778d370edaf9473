// The stored description of the main window, from which TForm1 builds itself and a screen draws it.
#pragma once

#include "ui/WindowDescription.h"

const TFormDescription &Form1Description();
