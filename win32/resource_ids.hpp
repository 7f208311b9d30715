#pragma once
// Identifiers shared by the resource script and the shell's code.

#define IDM_RESET 101
#define IDM_PROPERTY 102
#define IDM_QUIT 103
#define IDM_SEARCH_FOR_HELP_ON 104
#define IDM_K1 105
