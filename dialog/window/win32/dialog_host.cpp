#include "dialog/window/win32/dialog_host.h"


#include <functional>

#include "resources/resource_ids.h"

namespace zaltor::win {

namespace {

HWND OwnerOf(DialogWindow* parent) { return parent != nullptr ? parent->Host().Handle() : nullptr; }

}  // namespace

DialogHost::DialogHost(DialogWindow& window, const DialogTemplate& dialogTemplate, DialogWindow* parent)
    : window(window), dialogTemplate(dialogTemplate), parent(parent), threadId(GetCurrentThreadId()) {}

DialogHost::~DialogHost() {
  if (handle != nullptr) DestroyWindow(handle);
}

void DialogHost::Build() {
  const std::vector<WORD> memory = MemoryTemplate(dialogTemplate);
  handle = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(memory.data()),
                                      OwnerOf(parent), &DialogHost::Procedure, reinterpret_cast<LPARAM>(this));
  if (handle == nullptr) return;
  AddToolTips();
  KeepRadioTabStops();
  if (HWND help = Item(res::kCommandHelp)) ShowWindow(help, DialogWindow::HasHelpHandler() ? SW_SHOW : SW_HIDE);
}

void DialogHost::AddToolTips() {
  toolTips = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, handle, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (toolTips == nullptr) return;
  for (int i = 0; i < dialogTemplate.controlCount; ++i) {
    const int id = dialogTemplate.controls[i].id;
    HWND item = Item(id);
    if (id == kNoId || item == nullptr || window.ToolTipText(id).empty()) continue;
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    // TTF_SUBCLASS lets the tooltip watch the control's mouse itself.
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = handle;
    tool.uId = reinterpret_cast<UINT_PTR>(item);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(toolTips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    tools.push_back(item);
  }
  SetWindowSubclass(toolTips, &DialogHost::ToolTipProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

void DialogHost::KeepRadioTabStops() {
  for (int i = 0; i < dialogTemplate.controlCount; ++i) {
    const ControlTemplate& row = dialogTemplate.controls[i];
    HWND item = Item(row.id);
    if (row.kind != ControlKind::kRadioButton || row.id == kNoId || item == nullptr) continue;
    SetWindowSubclass(item, &DialogHost::RadioProcedure, 0, (row.style & kTabStop) != 0);
  }
}

LRESULT CALLBACK DialogHost::RadioProcedure(HWND radio, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR tabStop) {
  // The button control gives WS_TABSTOP to the radio button it checks and
  // takes it from the one it clears; the template's stops are put back.
  const LRESULT result = DefSubclassProc(radio, message, wParam, lParam);
  if (message == BM_SETCHECK) {
    const LONG_PTR style = GetWindowLongPtrA(radio, GWL_STYLE);
    SetWindowLongPtrA(radio, GWL_STYLE, tabStop != 0 ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
  return result;
}

HWND DialogHost::DisabledToolAt(POINT screen) const {
  for (HWND item : tools) {
    RECT place;
    if (!IsWindowEnabled(item) && IsWindowVisible(item) && GetWindowRect(item, &place) && PtInRect(&place, screen)) {
      return item;
    }
  }
  return nullptr;
}

void DialogHost::RelayMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  if (toolTips == nullptr) return;
  MSG relayed = {handle, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
  POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(handle, &point);
  relayed.pt = point;
  // Over a disabled control the message becomes the control's, at the
  // same place in its own coordinates; elsewhere the tooltip learns that
  // the mouse has left its tools.
  if (HWND item = DisabledToolAt(point)) {
    ScreenToClient(item, &point);
    relayed.hwnd = item;
    relayed.lParam = MAKELPARAM(point.x, point.y);
  }
  SendMessageA(toolTips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

LRESULT CALLBACK DialogHost::ToolTipProcedure(HWND tip, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR host) {
  // The tooltip asks which window is under the mouse before it shows and
  // while it is shown; the platform's answer skips disabled windows.
  if (message == TTM_WINDOWFROMPOINT) {
    if (HWND item = reinterpret_cast<const DialogHost*>(host)->DisabledToolAt(*reinterpret_cast<POINT*>(lParam))) {
      return reinterpret_cast<LRESULT>(item);
    }
  }
  return DefSubclassProc(tip, message, wParam, lParam);
}

int DialogHost::RunModal() {
  if (handle == nullptr) return -1;
  HWND owner = GetWindow(handle, GW_OWNER);
  if (owner != nullptr) EnableWindow(owner, FALSE);
  // Centred over the owner, or on the screen.
  RECT place;
  RECT over;
  GetWindowRect(handle, &place);
  if (owner == nullptr || !GetWindowRect(owner, &over)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &over, 0);
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  SetWindowPos(handle, nullptr, over.left + (over.right - over.left - width) / 2,
               over.top + (over.bottom - over.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(handle, SW_SHOW);
  SetForegroundWindow(handle);
  // Its first focus made the dialog active while it was hidden, before it
  // was the foreground window, and Wine keeps its caption drawn as inactive
  // from then on; the caption is told what the dialog is now.
  SendMessageA(handle, WM_NCACTIVATE, GetForegroundWindow() == handle, 0);
  running = true;
  MSG message;
  while (running && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(handle, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  if (owner != nullptr) {
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
  }
  ShowWindow(handle, SW_HIDE);
  return endCode;
}

void DialogHost::End(int code) {
  endCode = code;
  running = false;
  // Wakes the modal loop, which may be waiting for a message.
  if (handle != nullptr) PostMessageA(handle, WM_NULL, 0, 0);
  if (handle != nullptr) ShowWindow(handle, SW_HIDE);
}

ComboBoxControl* DialogHost::Combo(int id) {
  auto found = combos.find(id);
  if (found != combos.end()) return found->second.get();
  HWND item = Item(id);
  char className[16] = {};
  if (item == nullptr || GetClassNameA(item, className, sizeof className) == 0 ||
      lstrcmpiA(className, "ComboBox") != 0) {
    return nullptr;
  }
  return (combos[id] = std::make_unique<ComboBoxControl>(item)).get();
}

void DialogHost::AppendMenuEntry(int command, const char* text) {
  HMENU menu = GetSystemMenu(handle, FALSE);
  if (menu == nullptr) return;
  if (command == 0) {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  } else {
    AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(command), text);
  }
}

void DialogHost::DropPostedCalls() {
  MSG message;
  while (PeekMessageA(&message, handle, kPostedCallMessage, kPostedCallMessage, PM_REMOVE)) {
    delete reinterpret_cast<std::function<void()>*>(message.lParam);
  }
}

INT_PTR CALLBACK DialogHost::Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(handle, DWLP_USER, lParam);
  auto* host = reinterpret_cast<DialogHost*>(GetWindowLongPtrA(handle, DWLP_USER));
  if (host == nullptr) return FALSE;
  if (message == WM_INITDIALOG) host->handle = handle;
  return host->OnMessage(message, wParam, lParam);
}

INT_PTR DialogHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      // OnInitDialog runs once Create has the controls; the focus is set there.
      return FALSE;
    case kSentCallMessage:
      (*reinterpret_cast<const std::function<void()>*>(lParam))();
      return TRUE;
    case kPostedCallMessage: {
      std::unique_ptr<std::function<void()>> call(reinterpret_cast<std::function<void()>*>(lParam));
      (*call)();
      return TRUE;
    }
    case WM_COMMAND:
      // Clicks of buttons, Enter (the default button) and Esc (IDCANCEL).
      if (HIWORD(wParam) == BN_CLICKED) window.OnCommand(LOWORD(wParam));
      // No tooltip covers an open list. Wine shows a tip whose delay began
      // before the list dropped even once the tooltip is deactivated, so the
      // tip is also given no text meanwhile: an empty tip is never shown.
      if (HIWORD(wParam) == CBN_DROPDOWN || HIWORD(wParam) == CBN_CLOSEUP) {
        listOpen = HIWORD(wParam) == CBN_DROPDOWN;
        if (toolTips != nullptr) SendMessageA(toolTips, TTM_ACTIVATE, !listOpen, 0);
      }
      return TRUE;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == static_cast<WPARAM>(kScClose)) {
        window.OnSysCommand(kScClose, static_cast<long>(lParam));
        SetWindowLongPtrA(handle, DWLP_MSGRESULT, 0);
        return TRUE;
      }
      for (const DialogWindow::MenuEntry& entry : window.SystemMenu()) {
        if (entry.command != 0 && (wParam & 0xFFF0) == static_cast<WPARAM>(entry.command)) {
          window.OnSysCommand(static_cast<int>(wParam), static_cast<long>(lParam));
          SetWindowLongPtrA(handle, DWLP_MSGRESULT, 0);
          return TRUE;
        }
      }
      return FALSE;
    case WM_CLOSE:
      window.OnCancel();
      return TRUE;
    case WM_HELP:
      window.OnHelpCommand();
      return TRUE;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->code != TTN_NEEDTEXTA) return FALSE;
      auto* request = reinterpret_cast<NMTTDISPINFOA*>(lParam);
      toolTipText = listOpen ? std::string() : window.ToolTipText(GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom)));
      request->lpszText = const_cast<char*>(toolTipText.c_str());
      return TRUE;
    }
    case WM_PAINT:
      if (!IsIconic(handle)) return FALSE;
      {
        PAINTSTRUCT paint;
        paintContext = BeginPaint(handle, &paint);
        window.OnPaint();
        EndPaint(handle, &paint);
        paintContext = nullptr;
      }
      return TRUE;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      RelayMouse(message, wParam, lParam);
      return FALSE;
    case WM_DESTROY:
      DropPostedCalls();
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace zaltor::win
