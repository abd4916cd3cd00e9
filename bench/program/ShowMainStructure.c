/* The main window's own structure in plain Win32 calls, as a yardstick for
   palvermontine.exe's start to its visible main window: a frame of the same size and
   styles with a menu bar of the same menus and items, the program's icon, an MDI
   client, a band along the top holding a toolbar window with 15 owner-drawn buttons
   (24 x 23, each a 16 x 16 picture of the program's strip bitmap), a band along the
   bottom holding a status line window (an Arial font, a clock's timer, its fields),
   made in the program's order and shown as the program shows its frame: the bands and
   their windows shown while the frame is hidden, the frame titled and shown, the client
   shown, the children laid out at the frame's size, the frame painted. What the
   program costs beyond this is the program's own; what this costs beyond
   show_one_window is the structure's, under Wine. It ends when the window is closed. */
#include <windows.h>

#define STRIP_BITMAP 1
#define APP_ICON 2
#define BUTTON_COUNT 15
#define BAND_HEIGHT 30
#define STATUS_HEIGHT 24

static HWND frame, client, topBand, toolbar, bottomBand, statusLine;
static HBITMAP strip;
static HFONT statusFont;

/* The toolbar's row: x and strip picture of each button, in the order the program
   makes them. */
static const int buttonX[BUTTON_COUNT] = {6, 29, 52, 75, 403, 107, 130, 153, 195, 218, 241, 280, 303, 326, 364};
static const int buttonImage[BUTTON_COUNT] = {0, 16, 32, 48, 288, 64, 80, 96, 144, 160, 192, 208, 224, 240, 112};

/* A popup of COUNT items (0: a separator); the popup SUBMENU, when given, is put at
   position SUBAT. Identifiers run from FIRST. */
static HMENU popupOf(const char* const* items, int count, UINT first, HMENU submenu, int subAt, const char* subText) {
  HMENU popup = CreatePopupMenu();
  int i;
  for (i = 0; i < count; ++i) {
    if (submenu && i == subAt) AppendMenuA(popup, MF_POPUP, (UINT_PTR)submenu, subText);
    if (items[i])
      AppendMenuA(popup, MF_STRING, first + (UINT)i, items[i]);
    else
      AppendMenuA(popup, MF_SEPARATOR, 0, NULL);
  }
  return popup;
}

static HMENU makeWindowMenu(void) {
  static const char* const items[] = {"&Cascade", "&Tile", "Arrange &Icons"};
  return popupOf(items, 3, 900, NULL, 0, NULL);
}

/* The menu bar: File (with its recent-files popup), Edit, Model, Group, Options, the
   window menu, Help. */
static HMENU makeMenuBar(HMENU windowMenu) {
  static const char* const file[] = {"&New...", "&Open Model...", "&Save", "Save &As...", 0, "&Print...", 0,
                                     0,         "E&xit"};
  static const char* const recent[] = {"1", "2", "3", "4"};
  static const char* const edit[] = {"Cu&t", "&Copy", "&Paste"};
  static const char* const model[] = {"C&hoices...",
                                      "&DecisionMakers...",
                                      "Crit&eria...",
                                      0,
                                      "&Compare Choices...",
                                      "C&lear Comparisons...",
                                      "&Transitive Bias...",
                                      "D&istributive Bias...",
                                      0,
                                      "&Best Choice...",
                                      "&Snapshot...",
                                      "&Report...",
                                      0,
                                      "&Properties..."};
  static const char* const group[] = {"&Browse Database...", "&Save to Database",  0,
                                      "&Moderator Mode",     "C&ollaborator Mode", 0,
                                      "E&xport Model...",    "e-M&ail Model...",   "M&erge Model..."};
  static const char* const options[] = {"&Application...", "&Model...", 0, "&Synchronization...", "&Collaboration..."};
  static const char* const help[] = {"&Contents", "&QuickStart Guide", "&Users Guide",
                                     0,           "&Support Web Site", "Check &Product Updates",
                                     0,           "&About..."};
  HMENU bar = CreateMenu();
  HMENU recentPopup = popupOf(recent, 4, 1043, NULL, 0, NULL);
  AppendMenuA(bar, MF_POPUP, (UINT_PTR)popupOf(file, 9, 100, recentPopup, 7, "Open &Recent"), "&File");
  AppendMenuA(bar, MF_POPUP, (UINT_PTR)popupOf(edit, 3, 200, NULL, 0, NULL), "&Edit");
  AppendMenuA(bar, MF_POPUP, (UINT_PTR)popupOf(model, 14, 300, NULL, 0, NULL), "&Model");
  AppendMenuA(bar, MF_POPUP, (UINT_PTR)popupOf(group, 9, 400, NULL, 0, NULL), "&Group");
  AppendMenuA(bar, MF_POPUP, (UINT_PTR)popupOf(options, 5, 500, NULL, 0, NULL), "&Options");
  AppendMenuA(bar, MF_POPUP, (UINT_PTR)windowMenu, "&Window");
  AppendMenuA(bar, MF_POPUP, (UINT_PTR)popupOf(help, 8, 600, NULL, 0, NULL), "&Help");
  return bar;
}

static LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE && client) {
    /* The bands across the whole width, the client between them. */
    const int width = LOWORD(lParam), height = HIWORD(lParam);
    MoveWindow(topBand, 0, 0, width, BAND_HEIGHT, TRUE);
    MoveWindow(toolbar, 0, 0, width, BAND_HEIGHT, TRUE);
    MoveWindow(bottomBand, 0, height - STATUS_HEIGHT, width, STATUS_HEIGHT, TRUE);
    MoveWindow(statusLine, 0, 0, width, STATUS_HEIGHT, TRUE);
    MoveWindow(client, 0, BAND_HEIGHT, width, height - BAND_HEIGHT - STATUS_HEIGHT, TRUE);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefFrameProcA(window, client, message, wParam, lParam);
}

static void drawButton(const DRAWITEMSTRUCT* item) {
  const int image = buttonImage[item->CtlID - 1];
  HDC memory = CreateCompatibleDC(item->hDC);
  HGDIOBJ old = SelectObject(memory, strip);
  RECT r = item->rcItem;
  FillRect(item->hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(item->hDC, &r, (item->itemState & ODS_SELECTED) ? EDGE_SUNKEN : BDR_RAISEDINNER, BF_RECT);
  BitBlt(item->hDC, r.left + 4, r.top + 3, 16, 16, memory, image, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

static LRESULT CALLBACK paneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    drawButton((const DRAWITEMSTRUCT*)lParam);
    return TRUE;
  }
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    RECT r;
    HDC dc = BeginPaint(window, &paint);
    GetClientRect(window, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    if (window == statusLine) {
      /* The help field, the summary, the model's name and the state. */
      static const char* const fields[] = {"", "Ch:10   Cr:7   DM:2   Conf:100,50   Scale:5   Pairs:999",
                                           "MMMMMMMMMMMM", "SCO"};
      HGDIOBJ old = SelectObject(dc, statusFont);
      int right = r.right - 4, i;
      SetBkMode(dc, TRANSPARENT);
      for (i = 3; i >= 0; --i) {
        SIZE size;
        RECT field;
        GetTextExtentPoint32A(dc, fields[i], lstrlenA(fields[i]), &size);
        SetRect(&field, i ? right - size.cx - 8 : 4, 3, right, r.bottom - 3);
        DrawEdge(dc, &field, BDR_SUNKENOUTER, BF_RECT);
        DrawTextA(dc, fields[i], -1, &field, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        right = field.left - 4;
      }
      SelectObject(dc, old);
    }
    EndPaint(window, &paint);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

static BOOL registerClass(HINSTANCE instance, const char* name, WNDPROC proc, HICON icon, int background) {
  WNDCLASSA windowClass = {0};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = proc;
  windowClass.cbWndExtra = 12;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
  windowClass.hbrBackground = (HBRUSH)(INT_PTR)(background + 1);
  windowClass.lpszClassName = name;
  return RegisterClassA(&windowClass) != 0;
}

static HWND childOf(HWND parent, const char* className, HINSTANCE instance) {
  return CreateWindowExA(0, className, NULL, WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CW_USEDEFAULT, 0,
                         CW_USEDEFAULT, 0, parent, NULL, instance, NULL);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  CLIENTCREATESTRUCT clientCreate;
  HMENU windowMenu;
  MSG message;
  int i;
  (void)previous;
  (void)commandLine;
  if (!registerClass(instance, "MainStructureFrame", frameProc, LoadIconA(NULL, (LPCSTR)IDI_APPLICATION),
                     COLOR_APPWORKSPACE) ||
      !registerClass(instance, "MainStructurePane", paneProc, NULL, COLOR_WINDOW))
    return 1;
  frame = CreateWindowExA(0, "MainStructureFrame", NULL, WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                          CW_USEDEFAULT, CW_USEDEFAULT, 1100, 720, NULL, NULL, instance, NULL);
  if (!frame) return 1;
  windowMenu = makeWindowMenu();
  clientCreate.hWindowMenu = windowMenu;
  clientCreate.idFirstChild = 1000;
  client =
      CreateWindowExA(0, "MDICLIENT", NULL, WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | MDIS_ALLCHILDSTYLES,
                      0, 0, 0, 0, frame, (HMENU)(INT_PTR)0xCAC, instance, &clientCreate);
  if (!client) return 1;
  SetMenu(frame, makeMenuBar(windowMenu));
  SetClassLongPtrA(frame, GCLP_HICON, (LONG_PTR)LoadIconA(instance, MAKEINTRESOURCEA(APP_ICON)));

  topBand = childOf(frame, "MainStructurePane", instance);
  toolbar = childOf(topBand, "MainStructurePane", instance);
  strip = LoadBitmapA(instance, MAKEINTRESOURCEA(STRIP_BITMAP));
  for (i = 0; i < BUTTON_COUNT; ++i) {
    HWND button = CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_OWNERDRAW, buttonX[i], 3, 24, 23, toolbar,
                                  (HMENU)(INT_PTR)(i + 1), instance, NULL);
    ShowWindow(button, SW_SHOW);
  }
  bottomBand = childOf(frame, "MainStructurePane", instance);
  statusLine = childOf(bottomBand, "MainStructurePane", instance);
  statusFont = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
  SetTimer(statusLine, 1, 1000, NULL);
  ShowWindow(topBand, SW_SHOW);
  ShowWindow(toolbar, SW_SHOW);
  ShowWindow(bottomBand, SW_SHOW);
  ShowWindow(statusLine, SW_SHOW);

  SetWindowTextA(frame, "Show Main Structure");
  ShowWindow(frame, show);
  ShowWindow(client, SW_SHOW);
  {
    RECT r;
    GetClientRect(frame, &r);
    SendMessageA(frame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.right, r.bottom));
  }
  UpdateWindow(frame);
  while (GetMessageA(&message, NULL, 0, 0) > 0) {
    if (!TranslateMDISysAccel(client, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  DeleteObject(statusFont);
  DeleteObject(strip);
  return (int)message.wParam;
}
