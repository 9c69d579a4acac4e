#pragma once
// The gallery window: a skinned frame holding one area per registered section.
#include "GallerySection.h"
#include "ui/SkinDialog.h"

#include <memory>
#include <vector>

class CGalleryDlg : public CSkinDialog {
public:
    CGalleryDlg();
    ~CGalleryDlg() override;

    CGalleryCanvas* Canvas() const { return m_canvas.get(); }
    void ShowStates();

protected:
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg) override;

private:
    void LayOut();
    void PlaceFrameButtons(int width);

    std::vector<std::unique_ptr<CGallerySection>> m_sections;
    std::unique_ptr<CGalleryCanvas> m_canvas;
};
