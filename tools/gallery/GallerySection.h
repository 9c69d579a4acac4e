#pragma once
// The gallery shows every skinned control in every state, for tests and screenshots. Each
// family of controls is one section in its own source file that registers itself:
//
//     static GallerySectionRegistration registration(30, [] { return std::make_unique<CMySection>(); });
//
// The gallery lays the sections out in registration order (lowest first), gives each its own
// area, and afterwards lets the command line hover or press any control a section has named.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CSkinDialog;

// What a section gets to build its controls.
class CGalleryCanvas {
public:
    CGalleryCanvas(HWND dialog, HFONT font) : m_dialog(dialog), m_font(font) {}

    HWND Dialog() const { return m_dialog; }
    // Creates a child control at the rectangle (pixels, relative to the section's origin) with a
    // fresh control id, in the dialog's font.
    HWND AddControl(const char* className, const char* text, DWORD style, const RECT& rect, DWORD exStyle = 0);
    // Lets the command line address a control ("--hover buttons.normal").
    void Name(const std::string& name, HWND control) { m_named[name] = control; }
    HWND Named(const std::string& name) const;
    void SetOrigin(POINT origin) { m_origin = origin; }

private:
    HWND m_dialog;
    HFONT m_font;
    POINT m_origin{};
    int m_nextId = 20000;
    std::map<std::string, HWND> m_named;
};

class CGallerySection {
public:
    virtual ~CGallerySection() = default;
    virtual const char* Title() const = 0;
    // The area the section needs, in pixels.
    virtual SIZE Size() const = 0;
    virtual void Create(CGalleryCanvas& canvas) = 0;
    // Called once every section exists and the window shows (to set focus, pressed looks...).
    virtual void ShowStates(CGalleryCanvas& canvas) {}
};

using GallerySectionFactory = std::function<std::unique_ptr<CGallerySection>()>;

struct GallerySectionRegistration {
    GallerySectionRegistration(int order, GallerySectionFactory factory);
};

// The registered sections, in order.
std::vector<std::unique_ptr<CGallerySection>> MakeGallerySections();
