// Data exchange between a dialog's controls and the members of its object.
#pragma once

#include <windows.h>

namespace framework {

class CWnd;

struct CDataExchange {
  CWnd* m_pDlgWnd;
  BOOL m_bSaveAndValidate;  // true: controls to members; false: members to controls
};

// Binds the control with this id to the member object, once.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);

}  // namespace framework
