// The program's entry: create the application's window and run it until it is closed.
#pragma once

// Runs Initialize, CreateForm and Run of Application, which the caller has set; an error escaping
// them is shown like any other. Always returns 0.
int RunKestroRead();
