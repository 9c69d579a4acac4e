#include "ui/wnd/WindowSubclass.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace {
struct Link {
    SubclassProcedure procedure;
    UINT_PTR id;
    DWORD_PTR data;
    bool removed;
};

// One window's chain, newest procedure last. A window's messages all arrive on its own thread,
// so only the table of chains needs a lock; a chain is touched by its window's thread alone.
struct Chain {
    WNDPROC original = nullptr;
    std::vector<Link> links;
    // Links below this position are still to be called for the message being handled.
    size_t next = 0;
    int depth = 0;
    // WM_NCDESTROY has been seen, perhaps while another message of the window was under way.
    bool destroyed = false;
};

std::mutex g_tableLock;
std::unordered_map<HWND, std::unique_ptr<Chain>> g_chains;

Chain* ChainOf(HWND hwnd)
{
    std::lock_guard<std::mutex> lock(g_tableLock);
    auto found = g_chains.find(hwnd);
    return found != g_chains.end() ? found->second.get() : nullptr;
}

Link* FindLink(Chain& chain, SubclassProcedure procedure, UINT_PTR id)
{
    for (Link& link : chain.links) {
        if (!link.removed && link.procedure == procedure && link.id == id)
            return &link;
    }
    return nullptr;
}

LRESULT CALLBACK ChainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Gives the window back its own procedure once no subclass is left and no message is under way.
void ReleaseIfDone(HWND hwnd, Chain& chain)
{
    if (chain.depth > 0)
        return;
    chain.links.erase(std::remove_if(chain.links.begin(), chain.links.end(), [](const Link& link) { return link.removed; }),
                      chain.links.end());
    if (!chain.destroyed) {
        if (!chain.links.empty())
            return;
        // Someone else subclassed the window after us: keep passing messages on to the original.
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)) != &ChainProc)
            return;
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(chain.original));
    }
    std::lock_guard<std::mutex> lock(g_tableLock);
    g_chains.erase(hwnd);
}

LRESULT CALLBACK ChainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Chain* chain = ChainOf(hwnd);
    if (chain == nullptr)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    ++chain->depth;
    const size_t saved = chain->next;
    chain->next = chain->links.size();
    const LRESULT result = CallNextSubclass(hwnd, msg, wParam, lParam);
    chain->next = saved;
    --chain->depth;
    if (msg == WM_NCDESTROY)
        chain->destroyed = true;
    ReleaseIfDone(hwnd, *chain);
    return result;
}
} // namespace

bool InstallSubclass(HWND hwnd, SubclassProcedure procedure, UINT_PTR id, DWORD_PTR data)
{
    if (hwnd == nullptr || procedure == nullptr || !IsWindow(hwnd))
        return false;
    Chain* chain = ChainOf(hwnd);
    if (chain == nullptr) {
        auto created = std::make_unique<Chain>();
        chain = created.get();
        {
            std::lock_guard<std::mutex> lock(g_tableLock);
            g_chains[hwnd] = std::move(created);
        }
        chain->original =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChainProc)));
        if (chain->original == nullptr) {
            std::lock_guard<std::mutex> lock(g_tableLock);
            g_chains.erase(hwnd);
            return false;
        }
    }
    if (Link* existing = FindLink(*chain, procedure, id)) {
        existing->data = data;
        return true;
    }
    chain->links.push_back({procedure, id, data, false});
    return true;
}

bool RemoveSubclass(HWND hwnd, SubclassProcedure procedure, UINT_PTR id)
{
    Chain* chain = ChainOf(hwnd);
    Link* link = chain != nullptr ? FindLink(*chain, procedure, id) : nullptr;
    if (link == nullptr)
        return false;
    link->removed = true;
    ReleaseIfDone(hwnd, *chain);
    return true;
}

bool FindSubclass(HWND hwnd, SubclassProcedure procedure, UINT_PTR id, DWORD_PTR* data)
{
    Chain* chain = ChainOf(hwnd);
    const Link* link = chain != nullptr ? FindLink(*chain, procedure, id) : nullptr;
    if (link != nullptr && data != nullptr)
        *data = link->data;
    return link != nullptr;
}

LRESULT CallNextSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Chain* chain = ChainOf(hwnd);
    if (chain == nullptr)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    size_t position = chain->next;
    while (position > 0 && chain->links[position - 1].removed)
        --position;
    if (position == 0)
        return CallWindowProcA(chain->original, hwnd, msg, wParam, lParam);
    // Copied: a procedure may install another one, which can move the links.
    const Link link = chain->links[position - 1];
    const size_t saved = chain->next;
    chain->next = position - 1;
    const LRESULT result = link.procedure(hwnd, msg, wParam, lParam, link.id, link.data);
    chain->next = saved;
    return result;
}
