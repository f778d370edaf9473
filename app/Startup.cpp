#include "Startup.h"

#include "Unit1.h"

int RunKestroRead()
{
    try {
        Application->Initialize();
        Application->CreateForm(Form1);
        Application->Run();
    } catch (const Exception &error) {
        Application->ShowException(error);
    }
    return 0;
}
