#include "ControlTable.h"

namespace {
constexpr ControlKind kOwnerDraw = ControlKind::OwnerDrawButton;
constexpr ControlKind kRadio = ControlKind::AutoRadioButton;
constexpr ControlKind kEdit = ControlKind::Edit;
constexpr ControlKind kDefPush = ControlKind::DefPushButton;
constexpr ControlKind kGroupBox = ControlKind::GroupBox;
constexpr ControlKind kStatic = ControlKind::StaticText;
constexpr ControlKind kPush = ControlKind::PushButton;

constexpr unsigned kTab = kCtlTabStop;
}  // namespace

const std::array<ControlEntry, kConsoleControlCount> kConsoleControls = {{
    {IDC_START, "IDC_START", kOwnerDraw, "START", kTab | kCtlDisabled, {20, 26, 181, 45}},
    {IDC_STOP, "IDC_STOP", kOwnerDraw, "STOP", kTab | kCtlDisabled, {20, 150, 181, 45}},
    {IDC_PRESET_5, "IDC_PRESET_5", kRadio, " 5 minut", kCtlGroup | kTab, {234, 15, 43, 10}},
    {IDC_PRESET_10, "IDC_PRESET_10", kRadio, "10 minut", kTab, {234, 23, 41, 10}},
    {IDC_PRESET_15, "IDC_PRESET_15", kRadio, "15 minut", kTab, {234, 32, 41, 10}},
    {IDC_PRESET_20, "IDC_PRESET_20", kRadio, "20 minut", kTab, {234, 40, 41, 10}},
    {IDC_PRESET_25, "IDC_PRESET_25", kRadio, "25 minut", kTab, {234, 49, 41, 10}},
    {IDC_PRESET_30, "IDC_PRESET_30", kRadio, "30 minut", kTab, {234, 57, 41, 10}},
    {IDC_PRESET_35, "IDC_PRESET_35", kRadio, "35 minut", kTab, {234, 65, 41, 10}},
    {IDC_PRESET_40, "IDC_PRESET_40", kRadio, "40 minut", kTab, {234, 73, 41, 10}},
    {IDC_PRESET_45, "IDC_PRESET_45", kRadio, "45 minut", kTab, {234, 81, 41, 10}},
    {IDC_PRESET_50, "IDC_PRESET_50", kRadio, "50 minut", kTab, {293, 15, 41, 10}},
    {IDC_PRESET_55, "IDC_PRESET_55", kRadio, "55 minut", kTab, {293, 23, 41, 10}},
    {IDC_PRESET_60, "IDC_PRESET_60", kRadio, "60 minut", kTab, {293, 32, 41, 10}},
    {IDC_PRESET_65, "IDC_PRESET_65", kRadio, "65 minut", kTab, {293, 40, 41, 10}},
    {IDC_PRESET_70, "IDC_PRESET_70", kRadio, "70 minut", kTab, {293, 49, 41, 10}},
    {IDC_PRESET_75, "IDC_PRESET_75", kRadio, "75 minut", kTab, {293, 57, 41, 10}},
    {IDC_PRESET_80, "IDC_PRESET_80", kRadio, "80 minut", kTab, {293, 65, 41, 10}},
    {IDC_PRESET_85, "IDC_PRESET_85", kRadio, "85 minut", kTab, {293, 73, 41, 10}},
    {IDC_PRESET_90, "IDC_PRESET_90", kRadio, "90 minut", kTab, {293, 81, 41, 10}},
    {IDC_LENGTH_EDIT, "IDC_LENGTH_EDIT", kEdit, "", kTab, {294, 93, 35, 12}},
    {IDOK, "IDOK", kDefPush, "Konec", kTab | kCtlHidden, {17, 199, 7, 6}},
    {IDC_STATIC, "IDC_STATIC", kGroupBox, "Časovač", 0, {7, 7, 212, 207}},
    {IDC_STATIC, "IDC_STATIC", kGroupBox, "Délka přednášky", 0, {224, 7, 118, 120}},
    {IDC_STATIC, "IDC_STATIC", kStatic, "Libovolná délka", kCtlGroup, {234, 91, 52, 8}},
    {IDC_STATIC, "IDC_STATIC", kStatic, "0 - 90 minut", kCtlGroup, {234, 99, 42, 8}},
    {IDC_LENGTH_SET, "IDC_LENGTH_SET", kPush, "Nastavit", kTab | kCtlDisabled, {234, 110, 98, 12}},
    {IDC_ALARM_ON, "IDC_ALARM_ON", kPush, "Povolit", kTab, {234, 196, 46, 12}},
    {IDC_ALARM_OFF, "IDC_ALARM_OFF", kPush, "Zakázat", kTab, {286, 196, 46, 12}},
    {IDC_STATIC, "IDC_STATIC", kGroupBox, "Akustická výstraha", 0, {224, 186, 118, 28}},
    {IDC_STATIC, "IDC_STATIC", kGroupBox, "Semafor - Žlutá před koncem", 0, {224, 129, 118, 28}},
    {IDC_AMBER_EDIT, "IDC_AMBER_EDIT", kEdit, "", kTab, {234, 139, 19, 12}},
    {IDC_AMBER_SET, "IDC_AMBER_SET", kPush, "Nastavit", kTab, {286, 139, 46, 12}},
    {IDC_STATIC, "IDC_STATIC", kStatic, "minut(y)", kCtlGroup, {256, 140, 28, 8}},
    {IDC_STATIC, "IDC_STATIC", kGroupBox, "Odpojení mikrofonu po uplynutí...", 0, {224, 158, 118, 27}},
    {IDC_MIC_EDIT, "IDC_MIC_EDIT", kEdit, "", kTab, {234, 168, 19, 12}},
    {IDC_MIC_SET, "IDC_MIC_SET", kPush, "Nastavit", kTab, {286, 168, 46, 12}},
    {IDC_STATIC, "IDC_STATIC", kStatic, "minut(y)", kCtlGroup, {256, 169, 28, 8}},
}};

int FindControlIndex(int nId) {
    for (std::size_t i = 0; i < kConsoleControls.size(); ++i)
        if (kConsoleControls[i].nId == nId)
            return static_cast<int>(i);
    return -1;
}
