// Resource ids shared by the resource script and the code.
#pragma once

#define FAVPAGE_IDI_APP 1
