// Control ids of the main window's controls.
#pragma once

enum ControlId {
    kWriteToFileId = 0,  // shared with the group boxes, which send no commands
    kPanoramaNameEditId = 1,
    kSunPositionEditId = 2,
    kSunElevationEditId = 3,
    kStartPositionEditId = 4,
    kSizingFactorEditId = 5,
    kSpareEdit1Id = 6,
    kSpareEdit2Id = 7,
    kUnusedButtonId = 9,
    kHelpId = 10,
    kBitmapId = 50,
};
