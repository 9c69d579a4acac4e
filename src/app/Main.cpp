#include "app/LauncherApp.h"
#include "app/LauncherDlg.h"
#include "exchange/ExchangeDlg.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    CLauncherDlg::SetExchangeHook([](HWND owner, const InstallPaths& paths, bool import) {
        CExchangeDlg exchange(owner, paths, import ? CExchangeDlg::ImportMode : CExchangeDlg::ExportMode);
        exchange.DoModal();
    });
    return TheApp().Run(instance);
}
