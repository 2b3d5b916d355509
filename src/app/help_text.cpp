#include "app/help_text.h"

const char kHelpText[] =
    "Parameters:\r\n"
    "\r\n"
    "Sun position:\tPosition of the sun, in degrees. 0 to 360 degrees are accepted values.\r\n"
    "Sun elevation:\tElevation (height) of the sun. 0 to 90 degrees are accepted values.\r\n"
    "Panorama file:\tFilename of the panorama. Can be changed, but you must then rename the\r\n"
    "\t\tpanorama file itself, and also the _1a.bmp. Ex: \"S1.bmp\" to \"my_pano.bmp\"\r\n"
    "\t\tand \"S1_1a.bmp\" to \"my_pano_1a.bmp\".\r\n"
    "Startpos at feet:\tThis parameter changes the starting position. Adding to this value\r\n"
    "\t\twill rotate the heli position clockwise. Valid values are from 1 to 360 degrees.\r\n"
    "Sizing factor:\tThis parameter is difficult to explain. Experiment with it, but change\r\n"
    "\t\tit in small increments. Adding to the value will make the heli appear bigger with "
    "respect\r\n"
    "\t\tto the landscape. Extreme values will appear to curve the horizon.\r\n"
    "\r\n"
    "Usage:\r\n"
    "\r\n"
    "Drag a .wlp file and drop it on the main window. Current values in the file will\r\n"
    "be shown. Change the values you want, and press the \"Write to file\"-button\r\n"
    "\r\n"
    "WARNING: USE AT YOUR OWN RISK. NO RESPONSIBILITES ASSUMED!\r\n"
    "\r\n"
    "Reflex XTR is a simulator by its own makers; Vistaro is an independent helper for it. "
    "See the simulator's web site.\r\n"
    "\r\n"
    "Credits:\r\n"
    "Written by the Vistaro developers. Contact: see the README of the Vistaro project.\r\n"
    "\r\n";

void show_help(HWND window) {
    MessageBoxA(window, kHelpText, "Help", MB_ICONINFORMATION | MB_SETFOREGROUND);
}
