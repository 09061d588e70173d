#pragma once
// The panel's dialog template: caption, size, font and the 38 controls in creation order.
// Creation order is also the tab order and the order in which the preset group is walked.

#include "ControlIds.h"

#include <array>
#include <cstddef>

inline constexpr int kPresetCount = 18;
// Preset radios in group order; the minutes of index i are 5 * (i + 1).
inline constexpr std::array<int, kPresetCount> kPresetIds = {
    IDC_PRESET_5,  IDC_PRESET_10, IDC_PRESET_15, IDC_PRESET_20, IDC_PRESET_25, IDC_PRESET_30,
    IDC_PRESET_35, IDC_PRESET_40, IDC_PRESET_45, IDC_PRESET_50, IDC_PRESET_55, IDC_PRESET_60,
    IDC_PRESET_65, IDC_PRESET_70, IDC_PRESET_75, IDC_PRESET_80, IDC_PRESET_85, IDC_PRESET_90,
};
constexpr int PresetMinutes(int nIndex) { return 5 * (nIndex + 1); }

inline constexpr char kConsoleCaption[] = "Karvelostrum 3.0";
inline constexpr int kConsoleWidthDu = 351;
inline constexpr int kConsoleHeightDu = 222;
inline constexpr int kConsoleFontPoints = 10;

enum class ControlKind {
    OwnerDrawButton,  // becomes a BitmapButton named by its caption
    AutoRadioButton,
    Edit,
    DefPushButton,
    GroupBox,
    StaticText,
    PushButton,
};

// Style flags of a control.
inline constexpr unsigned kCtlGroup = 1u << 0;     // starts a new group
inline constexpr unsigned kCtlTabStop = 1u << 1;
inline constexpr unsigned kCtlDisabled = 1u << 2;
inline constexpr unsigned kCtlHidden = 1u << 3;

// Dialog units: x, y, width, height.
struct DialogRect {
    int x;
    int y;
    int cx;
    int cy;
};

struct ControlEntry {
    int nId;
    const char* pszName;
    ControlKind kind;
    const char* pszText;  // UTF-8
    unsigned uFlags;
    DialogRect rect;
};

inline constexpr std::size_t kConsoleControlCount = 38;
extern const std::array<ControlEntry, kConsoleControlCount> kConsoleControls;

// Place of the first control with this id in creation order, or -1.
int FindControlIndex(int nId);
