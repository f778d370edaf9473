#include "FormActions.h"

#include "app/Unit1.h"

TFormActions FormActionsOf(TForm &form)
{
    auto *window = dynamic_cast<TForm1 *>(&form);
    if (!window)
        return {};
    return {[window](const std::string &name) { window->OpenFile(name); }, window->FileOpen};
}
