// What assistive technology learns of a form: which control is which.
#pragma once

class TFormView;

// Tells Qt's accessibility what it cannot know by itself: that a form is a window and its radio
// buttons are radio buttons. Must come before the first form's widgets are made, as Qt keeps the
// first description it makes of a widget.
void InstallAccessibleFactory();

// Every control but a label takes its component name as accessible name, and as description the
// caption of the label that stands before it, or else its own caption. A label keeps its caption as
// name and takes its component name as description.
void DescribeForAssistiveTechnology(TFormView &view);
