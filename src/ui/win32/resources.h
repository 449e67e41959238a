// Resource ids shared by the resource script and the code.
#pragma once

#define FAVPAGE_IDI_APP 1
#define FAVPAGE_IDB_ONE_PAGE 101
#define FAVPAGE_IDB_FOLDER_TREE 102
