// The program: its one application object and the framework's entry.
#include "AppEntry.h"
#include "CConfigEditorApp.h"

CConfigEditorApp theApp;

int main(int argc, char* argv[])
{
    return AfxWinMain(argc, argv);
}
