#include "itemlist/ContainerStyleTable.h"

namespace orv {

namespace {

constexpr TColor N = clNone;
constexpr TColor K = kStyleKeep;
constexpr TStyleFillColors kWarmHover{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB};
constexpr TStyleFillColors kWarmSelected{0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0x42AEFE};
constexpr TStyleFillColors kWarmDown{0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B};
constexpr TStyleFillColors kGrey{0xF2F2F2, 0xB6B6B6, N, N, K};
constexpr TStyleFillColors kGreyMirrored{0xF2F2F2, 0xB6B6B6, 0xB6B6B6, 0xF2F2F2, K};

// clang-format off
const TContainerStyleRow kRows[] = {
    // style                container fill                      Normal                                                   Hovered                                     Selected                                             Disabled                           font      Down                                            solid
    {tsOffice2003Blue,      0xFFD2AF, 0xFFD2AF, N,        {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, kWarmHover,                                 kWarmSelected,                                       kGrey,                             0x808080, kWarmDown,                                      false},
    {tsOffice2003Silver,    0xE6D8D8, 0xE6D8D8, N,        {0xE6E9E2, 0xE6D8D8, 0xC8B2B3, 0xE6E9E2, 0x927476}, kWarmHover,                                 kWarmSelected,                                       kGrey,                             0x808080, kWarmDown,                                      false},
    {tsOffice2003Olive,     0xB9EAE1, 0xB9EAE1, N,        {0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0xCFF0EA, 0x8CC0B1}, kWarmHover,                                 kWarmSelected,                                       kGrey,                             0x808080, kWarmDown,                                      false},
    {tsOffice2003Classic,   0xF2F2F2, 0xF2F2F2, N,        {0xFFFFFF, 0xC9D1D5, N, N, 0x8CC0B1},               {0xD2BDB6, 0xD2BDB6, N, N, 0x808080},       {0xB59285, 0xB59285, N, N, 0x808080},                {0xD8D5D4, 0xD8D5D4, N, N, K},     0x808080, {0xD8D5D4, 0xD8D5D4, N, N, 0x808080},           false},
    {tsOffice2007Luna,      0xF3E5DA, 0xF0DED0, N,        {0xFFEFE3, 0xFFDDC4, 0xFFD1AD, 0xFFDBC0, 0xFFD1AD}, kWarmHover,                                 kWarmSelected,                                       kGreyMirrored,                     0x808080, kWarmDown,                                      true},
    {tsOffice2007Obsidian,  0x5C534C, 0x5C534C, N,        {0xF9F8F8, 0xE4E2DF, 0xD1CBC7, 0xE2DEDB, 0xD1CBC7}, kWarmHover,                                 kWarmSelected,                                       kGreyMirrored,                     0x808080, kWarmDown,                                      false},
    {tsWindowsXP,           0xB6B6B6, 0xB6B6B6, K,        {clBtnFace, clBtnFace, N, N, 0xB9D8DC},             {0xEFD3C6, 0xEFD3C6, N, N, clHighlight},    {clInactiveCaption, clInactiveCaption, N, N, clHighlight}, {0xB6B6B6, 0xB6B6B6, N, N, K}, 0x808080, {0xB9D8DC, 0xB9D8DC, N, N, 0x000000},           false},
    {tsWhidbey,             0xF5F9FA, 0xF5F9FA, N,        {0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC}, kWarmHover,                                 kWarmSelected,                                       kGrey,                             0x808080, kWarmDown,                                      false},
    {tsOffice2007Silver,    0xF8F4F1, 0xF0E8E3, N,        {0xF9F8F8, 0xE4E2DF, 0xD1CBC7, 0xE2DEDB, 0xD1CBC7}, kWarmHover,                                 kWarmSelected,                                       kGreyMirrored,                     0x808080, kWarmDown,                                      false},
    {tsWindowsVista,        0xFFFFFF, 0xFFFFFF, 0x979797, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xC0C0C0}, {0xFFFDF9, 0xFFFAF0, N, N, 0xFCF2DA},       {0xFEF9F0, 0xFDF0D7, N, N, 0xFEDF9A},                {0xFFFFFF, 0xFFFFFF, N, N, K},     0x646464, {0xFEF9F0, 0xFDF0D7, N, N, 0x0FEDF9AB},         false},
    {tsWindows7,            0xFFFFFF, 0xFFFFFF, 0x979797, {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xC0C0C0}, {0xFDFBFA, 0xFDF3EB, N, N, 0xFBD6B8},       {0xFCEBDC, 0xFCDBC1, N, N, 0xCEA27D},                {0xFFFFFF, 0xFFFFFF, N, N, K},     0x646464, {0xFEF9F0, 0xFCDBC1, N, N, 0xCEA27D},           false},
    {tsTerminal,            clBtnFace, clBtnFace, 0x808080, {clBtnFace, clBtnFace, N, N, N},                  {0xC0C0C0, 0xC0C0C0, N, N, 0x808080},       {clHighlight, clHighlight, N, N, 0x808080},          {clBtnFace, clBtnFace, N, N, K},   0x808080, {clBtnFace, clBtnFace, N, N, clHighlight},      false},
    {tsOffice2010Blue,      0xEDDBCD, N, N,               {0xEDDBCD, N, N, N, 0x8CC0B1},                      {0xFFEBDB, N, N, N, N},                     {0xDEC1A9, N, N, N, N},                              {0xDEC1A9, N, N, N, 0x588060},     0xFFFFFF, {0xEDDBCD, N, N, N, 0x055CC9},                  false},
    {tsOffice2010Silver,    0xEDE9E5, N, N,               {0xEDE9E5, N, N, N, 0x8CC0B1},                      {0xEEDDCF, N, N, N, N},                     {0xDEC1A9, N, N, N, N},                              {0xDEC1A9, N, N, N, 0x588060},     0xFFFFFF, {0xEDE9E5, N, N, N, 0x055CC9},                  false},
    {tsOffice2010Black,     0x828282, N, N,               {0x828282, N, N, N, N},                             {0xEEDDCF, N, N, N, N},                     {0xDEC1A9, N, N, N, N},                              {0xA3A3A3, N, N, N, 0x588060},     0xFFFFFF, {0x828282, N, N, N, 0x055CC9},                  false},
};
// clang-format on

}  // namespace

const TContainerStyleRow* ContainerStyleRow(TZemStyle style) {
    for (const TContainerStyleRow& row : kRows)
        if (row.Style == style) return &row;
    return nullptr;
}

int ContainerStyleRowCount() {
    return static_cast<int>(sizeof(kRows) / sizeof(kRows[0]));
}

const TContainerStyleRow& ContainerStyleRowAt(int index) {
    return kRows[index];
}

}  // namespace orv
