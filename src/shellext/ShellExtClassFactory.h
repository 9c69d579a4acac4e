#pragma once
// Makes the context-menu objects for the shell. Each factory counts as a user of the module
// while it lives, and LockServer adds a lock of its own.
#include <windows.h>

#include <unknwn.h>

class CShellExtClassFactory final : public IClassFactory {
public:
    CShellExtClassFactory();
    CShellExtClassFactory(const CShellExtClassFactory&) = delete;
    CShellExtClassFactory& operator=(const CShellExtClassFactory&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    ~CShellExtClassFactory();

    LONG m_refs = 1;
};
