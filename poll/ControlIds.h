#pragma once
// Identifiers of the panel's controls, shared by the panel and the poll tick.

// windows.h defines IDOK as a macro of the same value.
#ifndef IDOK
inline constexpr int IDOK = 1;  // hidden default button "Konec"
#endif
#ifndef IDC_STATIC
inline constexpr int IDC_STATIC = -1;
#endif
inline constexpr int IDC_PRESET_5 = 1007;
inline constexpr int IDC_PRESET_10 = 1008;
inline constexpr int IDC_START = 1009;
inline constexpr int IDC_STOP = 1010;
inline constexpr int IDC_PRESET_15 = 1013;  // 1011 and 1012 are not used
inline constexpr int IDC_PRESET_20 = 1014;
inline constexpr int IDC_PRESET_25 = 1015;
inline constexpr int IDC_PRESET_30 = 1016;
inline constexpr int IDC_PRESET_35 = 1017;
inline constexpr int IDC_PRESET_40 = 1018;
inline constexpr int IDC_PRESET_45 = 1019;
inline constexpr int IDC_PRESET_50 = 1020;
inline constexpr int IDC_PRESET_55 = 1021;
inline constexpr int IDC_PRESET_60 = 1022;
inline constexpr int IDC_PRESET_65 = 1023;
inline constexpr int IDC_PRESET_70 = 1024;
inline constexpr int IDC_PRESET_75 = 1025;
inline constexpr int IDC_PRESET_80 = 1026;
inline constexpr int IDC_PRESET_85 = 1027;
inline constexpr int IDC_PRESET_90 = 1028;
inline constexpr int IDC_LENGTH_EDIT = 1029;
inline constexpr int IDC_LENGTH_SET = 1030;
inline constexpr int IDC_ALARM_ON = 1033;
inline constexpr int IDC_ALARM_OFF = 1034;
inline constexpr int IDC_AMBER_EDIT = 1035;
inline constexpr int IDC_AMBER_SET = 1036;
inline constexpr int IDC_MIC_EDIT = 1037;
inline constexpr int IDC_MIC_SET = 1038;

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_CONSOLE = 102;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDM_ABOUTBOX = 0x0010;
