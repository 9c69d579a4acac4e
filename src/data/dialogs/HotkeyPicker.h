#pragma once
// The hotkey picker of the configuration window and of the add-item dialog: a modifier box
// (the three modifiers and a "no hotkey" entry), a key box, and the key list that its drop
// button or a click into the box drops below it. Keys come only from that list: typed, pasted
// or deleted text is discarded, so no key name outside the key table can reach an item.
#include "ui/ImageButton.h"
#include "ui/SkinComboBox.h"
#include "ui/SkinListCtrl.h"
#include "ui/wnd/SubclassedControl.h"

#include <functional>
#include <string>

class CHotkeyPicker {
public:
    // `noHotkey` is the window's text of the fourth entry; with `clearsOnNoHotkey` choosing it
    // empties both boxes, otherwise the text itself is the choice.
    CHotkeyPicker(const char* noHotkey, bool clearsOnNoHotkey);

    struct Controls {
        int modifier;
        int key;
        int keyList;
        int keyDrop;
    };
    void Attach(HWND dialog, const Controls& ids, const std::string& installFolder);

    // The key list: dropped or not, and the window's messages that concern it. PreTranslate
    // closes the list on a click elsewhere, and opens it and gives it the focus on a click into
    // the key box; Enter and Escape in the list close it (true: the message is used up).
    bool IsOpen() const { return m_open; }
    void Open(bool open);
    bool PreTranslate(const MSG& msg);
    bool OnCommand(int id, int code);
    bool OnNotify(int id, const NMHDR& header);
    bool OnDrawItem(int id, const DRAWITEMSTRUCT& item);
    // Told when the list drops or closes (a window that drags by its background stops meanwhile).
    std::function<void(bool open)> Opened;

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
    void FillKeyList(int listId, const std::string& installFolder);
    bool ClosesList(const MSG& msg);
    void OnKeyListClick(const NMITEMACTIVATE& click);

    const char* m_noHotkey;
    bool m_clearsOnNoHotkey;
    HWND m_dialog = nullptr;
    int m_modifierId = 0;
    int m_keyId = 0;
    int m_keyListId = 0;
    int m_keyDropId = 0;
    bool m_open = false;
    CSkinComboBox m_modifier;
    CKeyBox m_keyBox;
    CSkinListCtrl m_keyList;
    CImageButton m_keyDrop;
};
