// Where the main dialog reopens and where the About box appears: the saved
// placement with its per-monitor copy, and the monitor's usable area.
#pragma once

#include <windows.h>

#include <string>

// "<settings key>\MainWindow", the key the dialog's placement is saved under.
std::string PlacementKey();

// The subkey of pszKey that holds the copy saved on the monitor rcMonitor.
std::string MonitorPlacementKey(const char *pszKey, const RECT &rcMonitor);

// The full rectangle and the work area of the monitor nearest *prc; either
// output may be null. False when the monitor could not be asked and the
// primary screen and system work area stand in for it.
bool GetMonitorAreas(const RECT *prc, RECT *prcMonitor, RECT *prcWork);

// Saves the window's restored rectangle, in screen coordinates, under pszKey
// and again under the key named after its monitor. False when hWnd is no
// window (nothing is written) or when a value could not be written; every
// value is attempted.
bool SaveDialogPlacement(HWND hWnd, const char *pszKey);

// The rectangle the dialog reopens at, from the saved placement under pszKey
// and the dialog's current rectangle, always moved into a monitor's work
// area. True only when the saved rectangle is used exactly as saved.
// prcPlacement may be null or equal to prcCurrent.
bool RestoreDialogPlacement(const char *pszKey, const RECT *prcCurrent, RECT *prcPlacement);

// Centres the window over its owner (or over the work area when hWndOwner is
// null), keeping its visible frame inside the work area.
void CenterWindowOverOwner(HWND hWnd, HWND hWndOwner);
