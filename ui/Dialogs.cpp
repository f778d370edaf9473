#include "Dialogs.h"

bool TOpenDialog::Execute()
{
    if (!FChooser)
        return false;
    std::optional<std::string> chosen = FChooser(*this);
    if (!chosen)
        return false;
    FFileName = std::move(*chosen);
    return true;
}
