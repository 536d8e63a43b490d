#pragma once
// Everything a window class needs: forms, controls, control arrays, menus,
// the file dialog, the window manager and the user actions.

#include "forms/common_dialog.h"
#include "forms/control.h"
#include "forms/control_array.h"
#include "forms/controls.h"
#include "forms/dialogs.h"
#include "forms/form.h"
#include "forms/form_manager.h"
#include "forms/list_order.h"
#include "forms/menu.h"
#include "forms/runtime.h"
#include "forms/user.h"
