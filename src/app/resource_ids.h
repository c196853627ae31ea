// Resource identifiers shared by the resource script and the code.
#pragma once

#define IDI_APP 1
#define IDB_TOOLBAR16 101
#define IDB_TOOLBAR24 102
#define IDB_TOOLBAR32 103
#define IDB_ABOUT64 111
#define IDB_ABOUT128 112
