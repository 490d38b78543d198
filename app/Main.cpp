// Program entry: the run lives in RunProgram (app/Program.h), where tests reach it.
#include <windows.h>

#include "app/Program.h"
#include "app/ZemForm3.h"
#include "framework/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return RunProgram([] { orv::Application->CreateForm<TZemForm3>(); });
}
