#pragma once
// Ids of the program's resources, shared by the resource script and the
// code (hence macros: the resource compiler reads only the preprocessor's),
// and of the keyboard shortcuts' commands.

#define EK_ICON_APPLICATION 1
#define EK_COMMAND_DEVELOPER_PANEL 40001
#define EK_COMMAND_NEXT_TAB 40002
#define EK_COMMAND_PREVIOUS_TAB 40003
