#pragma once
// Resource ids of the gallery window (a test tool, not part of the program).
#define IDD_GALLERY 9000
#define IDC_GALLERY_MIN 9001
#define IDC_GALLERY_EXIT 9002
#define IDC_GALLERY_HELP 9003
