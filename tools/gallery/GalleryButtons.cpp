// Image buttons in every face: normal, lit by focus, pressed, checked, disabled, radio groups,
// the tool and arrow buttons of the program's windows, and the plain fills drawn when an
// image is missing.
#include "GallerySection.h"

#include "ui/ImageButton.h"
#include "ui/SkinDialog.h"

#include <memory>
#include <string>
#include <vector>

namespace {
const int kWide = 78;
const int kTall = 26;
const int kGap = 8;

class CButtonSection : public CGallerySection {
public:
    const char* Title() const override { return "Image buttons"; }
    SIZE Size() const override { return SIZE{5 * (kWide + kGap), 5 * (kTall + kGap) + 3 * (32 + kGap)}; }

    void Create(CGalleryCanvas& canvas) override
    {
        CreateTextRow(canvas, 0, "normalbtn", "buttons");
        CreateTextRow(canvas, 1, "NoSuchImage", "fallback");
        CreateChecks(canvas, 2);
        CreateIconRow(canvas, 5 * (kTall + kGap),
                      {"Config", "Import", "Export", "TechSupport", "Download", "Up", "UpAll", "Down", "ComboButton"});
        CreateIconRow(canvas, 5 * (kTall + kGap) + 32 + kGap,
                      {"Left_arrow", "MultiLeft_arrow", "Right_arrow", "MultiRight_arrow", "SelCatalog_Sub",
                       "SelCatalog_NoSub", "UnSelCatalog_Sub", "UnSelCatalog_NoSub"});
    }

    void ShowStates(CGalleryCanvas& canvas) override
    {
        for (const char* row : {"buttons", "fallback"}) {
            const std::string prefix = row;
            SendMessageA(canvas.Named(prefix + ".pressed"), BM_SETSTATE, TRUE, 0);
            EnableWindow(canvas.Named(prefix + ".disabled"), FALSE);
        }
        SendMessageA(canvas.Named("checks.checked"), BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(canvas.Named("radio.b"), BM_SETCHECK, BST_CHECKED, 0);
        SetFocus(canvas.Named("buttons.focus"));
    }

private:
    CImageButton& Add(CGalleryCanvas& canvas, const char* text, const RECT& rect, DWORD style = 0)
    {
        m_buttons.push_back(std::make_unique<CImageButton>());
        CImageButton& button = *m_buttons.back();
        button.Attach(canvas.AddControl("Button", text, BS_OWNERDRAW | WS_TABSTOP | style, rect));
        button.SetTooltipText(text);
        return button;
    }

    static RECT Cell(int column, int row)
    {
        const int x = column * (kWide + kGap);
        const int y = row * (kTall + kGap);
        return RECT{x, y, x + kWide, y + kTall};
    }

    void CreateTextRow(CGalleryCanvas& canvas, int row, const char* stem, const std::string& prefix)
    {
        const char* states[] = {"normal", "hover", "focus", "pressed", "disabled"};
        for (int column = 0; column < 5; ++column) {
            CImageButton& button = Add(canvas, states[column], Cell(column, row));
            button.SetImageStem(CSkinDialog::ImagesFolder(), stem);
            canvas.Name(prefix + "." + states[column], button.Hwnd());
        }
    }

    void CreateChecks(CGalleryCanvas& canvas, int row)
    {
        const struct {
            const char* text;
            const char* name;
            int mode;
            DWORD style;
        } checks[] = {{"check", "checks.plain", CImageButton::kCheckBox, WS_GROUP},
                      {"checked", "checks.checked", CImageButton::kCheckBox, WS_GROUP},
                      {"radio A", "radio.a", CImageButton::kRadioButton, WS_GROUP},
                      {"radio B", "radio.b", CImageButton::kRadioButton, 0},
                      {"radio C", "radio.c", CImageButton::kRadioButton, 0}};
        int column = 0;
        for (const auto& check : checks) {
            CImageButton& button = Add(canvas, check.text, Cell(column++, row), check.style);
            button.SetImageStem(CSkinDialog::ImagesFolder(), "normalbtn");
            button.SetCheckMode(check.mode);
            canvas.Name(check.name, button.Hwnd());
        }
        CImageButton& gradient = Add(canvas, "gradient", Cell(0, row + 1), WS_GROUP);
        gradient.SetGradient(true);
        canvas.Name("fallback.gradient", gradient.Hwnd());
        CImageButton& frame = Add(canvas, "frame", Cell(1, row + 1));
        frame.SetImage(static_cast<const char*>(nullptr), nullptr, nullptr, 0, 0, 0, 0, true, 3);
        canvas.Name("fallback.frame", frame.Hwnd());
    }

    void CreateIconRow(CGalleryCanvas& canvas, int top, const std::vector<const char*>& stems)
    {
        int x = 0;
        for (const char* stem : stems) {
            const bool combo = std::string(stem) == "ComboButton";
            const int width = combo ? 18
                                    : (std::string(stem).find("arrow") != std::string::npos ||
                                               std::string(stem).find("Catalog") != std::string::npos
                                           ? 40
                                           : 32);
            const int height = combo ? 18 : (width == 40 ? 30 : 32);
            CImageButton& button = Add(canvas, "", RECT{x, top, x + width, top + height});
            if (combo)
                button.SetImagePair(CSkinDialog::ImagesFolder(), "ComboButton.png", "ComboButton.png");
            else
                button.SetImageStem(CSkinDialog::ImagesFolder(), stem);
            button.SetTooltipText(stem);
            canvas.Name(std::string("icons.") + stem, button.Hwnd());
            x += width + kGap;
        }
    }

    std::vector<std::unique_ptr<CImageButton>> m_buttons;
};

GallerySectionRegistration registration(10, [] { return std::make_unique<CButtonSection>(); });
} // namespace
