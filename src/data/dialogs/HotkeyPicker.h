#pragma once
// The hotkey picker of the configuration window and of the add-item dialog: a modifier box
// (the three modifiers and a "no hotkey" entry) and a key box that shows the key picked from
// the window's key list. Keys come only from that list: typed, pasted or deleted text is
// discarded, so no key name outside the key table can reach an item.
#include "ui/SkinComboBox.h"
#include "ui/wnd/SubclassedControl.h"

#include <string>

class CHotkeyPicker {
public:
    // `noHotkey` is the window's text of the fourth entry; with `clearsOnNoHotkey` choosing it
    // empties both boxes, otherwise the text itself is the choice.
    CHotkeyPicker(const char* noHotkey, bool clearsOnNoHotkey);

    void Attach(HWND dialog, int modifierId, int keyId, const std::string& comboImage);
    // A key picked from the list. A picker without a modifier (or showing "no hotkey") takes
    // the first one, "Ctrl", so that the picked key is stored.
    void Pick(const std::string& key);
    // Shows a stored hotkey; an item without one shows the "no hotkey" entry.
    void Show(const std::string& modifier, const std::string& key);
    void Clear();
    // The modifier box changed its selection.
    void OnModifierChanged();

    std::string Modifier() const;
    std::string Key() const;
    // The hotkey as an item stores it: the "no hotkey" entry stores two empty fields.
    void Chosen(std::string& modifier, std::string& key) const;
    bool IsNoHotkey(const std::string& modifier) const { return modifier == m_noHotkey; }

private:
    class CKeyBox : public CSubclassedControl {
    protected:
        LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    };

    int Selected() const;
    void SelectEntry(int entry);

    const char* m_noHotkey;
    bool m_clearsOnNoHotkey;
    HWND m_dialog = nullptr;
    int m_modifierId = 0;
    int m_keyId = 0;
    CSkinComboBox m_modifier;
    CKeyBox m_keyBox;
};
