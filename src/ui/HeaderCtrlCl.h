#pragma once
// The header of a skinned list, subclassed onto the list's own header window: each column is
// filled with a vertical gradient and labelled with its recorded heading and alignment.
#include "ui/wnd/SubclassedControl.h"

#include <string>
#include <vector>

class CHeaderCtrlCl : public CSubclassedControl {
public:
    // Sets the first pixel row's colour; each row below has red and blue lowered by `step`.
    void SetColour(int red, int green, int blue, int step);

    // Records a column's heading and alignment digit ('0' left, '1' centre, '2' right).
    void InsertColumnText(int index, const std::string& text, char alignment);
    void RemoveColumnText(int index);
    std::string ColumnText(int index) const;
    char Alignment(int index) const;
    // The alignment digit of a list column format: left "0", centre "1", right "2", others "1".
    static char AlignmentDigit(int format);
    // The colour of the gradient's pixel row `row` (0 at the top).
    COLORREF GradientColour(int row) const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc, const RECT& client);
    void FillGradient(HDC dc, const RECT& box) const;
    void DrawColumnText(HDC dc, int column, const RECT& box) const;

    std::vector<std::string> m_texts;
    std::string m_alignments;
    int m_red = 171;
    int m_green = 199;
    int m_blue = 235;
    int m_step = 8;
    COLORREF m_textColour = RGB(0, 0, 0);
};
