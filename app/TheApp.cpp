#include "app/DirectoryApp.h"

// The one application object; the framework's main() runs it.
CDirectoryApp theApp;
