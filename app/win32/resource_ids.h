#pragma once
// Ids of the program's resources, shared by the resource script and the
// code (hence macros: the resource compiler reads only the preprocessor's).

#define EK_ICON_APPLICATION 1
#define EK_ACCELERATORS_MAIN 1
#define EK_COMMAND_DEVELOPER_PANEL 40001
