#pragma once

// Names for the numbers of the message table (core/messages.cpp). Code says
// which text it means by these names, never by a bare number; the numbers
// themselves are fixed, as the texts are looked up by them.
//
// A status of a reader, writer or check is one of these numbers, 0 for
// success: the message the caller shows when it is not 0.

#include <cstdint>

namespace pfedit {

using MessageId = int16_t;
// What readers, writers and checks return: 0 or the message to show.
using Status = MessageId;
constexpr Status kStatusOk = 0;

namespace msg {

// ---- Shared captions.
constexpr MessageId kTitle = 0;  // every box and the main window
constexpr MessageId kParameterNo = 1;
constexpr MessageId kOk = 2;
constexpr MessageId kCancel = 3;
constexpr MessageId kHelp = 4;
constexpr MessageId kLargeCapacity = 5;
constexpr MessageId kSmallCapacity = 6;

// ---- Main window menus.
constexpr MessageId kMenuFile = 10;
constexpr MessageId kMenuFileFolder = 11;
constexpr MessageId kMenuFileSave = 12;
constexpr MessageId kMenuFileImport = 13;
constexpr MessageId kMenuFileExport = 14;
constexpr MessageId kMenuFileExit = 15;
constexpr MessageId kMenuModel = 16;
constexpr MessageId kMenuModelNew = 17;
constexpr MessageId kMenuModelEdit = 18;
constexpr MessageId kMenuModelDelete = 19;
constexpr MessageId kMenuEdit = 20;
constexpr MessageId kMenuEditCut = 21;
constexpr MessageId kMenuEditCopy = 22;
constexpr MessageId kMenuEditPaste = 23;
constexpr MessageId kMenuEditAddPaste = 24;
constexpr MessageId kMenuEditAdd = 25;
constexpr MessageId kMenuEditDel = 26;
constexpr MessageId kMenuEditFuncCode = 27;
constexpr MessageId kMenuEditModelInfo = 28;
constexpr MessageId kMenuHelp = 29;
constexpr MessageId kMenuHelpContents = 30;
constexpr MessageId kMenuHelpAbout = 31;

// ---- Model information dialog.
constexpr MessageId kModelInfoCaption = 50;
constexpr MessageId kModelInfoInverterType = 51;
constexpr MessageId kModelInfoComResource = 52;
constexpr MessageId kModelInfoUsb = 53;
constexpr MessageId kModelInfoRs485 = 54;
constexpr MessageId kModelInfoPu = 55;
constexpr MessageId kModelInfoRating = 56;
constexpr MessageId kModelInfoCapacity = 57;
constexpr MessageId kModelInfoRatedCurrent = 58;
constexpr MessageId kModelInfoSld = 59;
constexpr MessageId kModelInfoLd = 60;
constexpr MessageId kModelInfoNd = 61;
constexpr MessageId kModelInfoHd = 62;
constexpr MessageId kModelInfoCapacityName = 63;
constexpr MessageId kModelInfoEdit = 64;
constexpr MessageId kModelInfoAdd = 65;
constexpr MessageId kModelInfoDelete = 66;
constexpr MessageId kModelInfoOption = 67;
constexpr MessageId kModelInfoOption1 = 68;  // 69, 70: options 2 and 3
constexpr MessageId kModelInfoHelp = 71;

// ---- Rated capacity dialog.
constexpr MessageId kCapacityEditCaption = 72;
constexpr MessageId kCapacityAddCaption = 73;
constexpr MessageId kCapacityInverterCapacity = 74;
constexpr MessageId kCapacityCurrentSld = 75;  // 76 to 78: LD, ND, HD
constexpr MessageId kCapacityTypeName = 79;
constexpr MessageId kPlugInOption = 80;
constexpr MessageId kInverterTypeAccel = 81;
constexpr MessageId kRatedCurrentAccel = 82;

// ---- Parameter grid: column headers 100 to 110, the check button, and the
// captions of the list cells.
constexpr MessageId kHeader2Pr = 100;  // 101 to 110: the other columns
constexpr MessageId kParameterCheck = 111;
constexpr MessageId kDigitFirst = 112;         // 112 to 115: digits 0 to 3
constexpr MessageId kUnitFirst = 116;          // 116 to 138: units 0 to 22
constexpr MessageId kSpecialFirst = 139;       // 139 to 142: special codes 0 to 3
constexpr MessageId kAttributeFirst = 143;     // 143 to 146: attributes 0, 1, 16, 32
constexpr MessageId kSpecialTipFirst = 147;    // 147 to 150: tips of the special codes
constexpr MessageId kAttributeTipFirst = 151;  // 151 to 154: tips of the attributes
constexpr MessageId kImportTitle = 155;
constexpr MessageId kExportTitle = 156;
constexpr MessageId kTransferFilter = 157;
constexpr MessageId kTransferExtension = 158;
constexpr MessageId kWritingOrderTip = 159;  // 160: its second sentence

// ---- Functional list code dialog.
constexpr MessageId kFuncCodeCaption = 200;
constexpr MessageId kFuncCodePr = 201;
constexpr MessageId kFuncCodeLabel = 202;
constexpr MessageId kFuncCodeFunction = 203;
constexpr MessageId kFuncCodeFirst = 204;  // 204 to 236: the option buttons
constexpr MessageId kFuncCodeNetwork = 236;

// ---- About box.
constexpr MessageId kAboutCaption = 250;
constexpr MessageId kAboutTitle = 251;
constexpr MessageId kAboutVersion = 252;
constexpr MessageId kAboutCopyright = 253;
constexpr MessageId kAboutLegal = 254;

// ---- Folder, model selection and list position dialogs.
constexpr MessageId kFolderCaption = 300;
constexpr MessageId kSelectNew = 350;
constexpr MessageId kSelectEdit = 351;
constexpr MessageId kSelectDelete = 352;
constexpr MessageId kSelectInverterType = 353;
constexpr MessageId kSelectCapacity = 354;
constexpr MessageId kSelectLarge = 355;
constexpr MessageId kSelectSmall = 356;
constexpr MessageId kSelectLargeNote = 357;
constexpr MessageId kSelectSmallNote = 358;
constexpr MessageId kSelectNewPrompt = 359;
constexpr MessageId kSelectEditPrompt = 360;
constexpr MessageId kSelectDeletePrompt = 361;
constexpr MessageId kSelectNoneEditable = 362;
constexpr MessageId kReadingTakesLonger = 363;
constexpr MessageId kPositionCaption = 400;
constexpr MessageId kPositionAdding = 401;
constexpr MessageId kPositionInverterType = 402;
constexpr MessageId kPositionUpper = 403;
constexpr MessageId kPositionLower = 404;
constexpr MessageId kPositionAddPrompt = 405;
constexpr MessageId kPositionEditing = 406;
constexpr MessageId kPositionEditPrompt = 407;

// ---- Questions and errors.
constexpr MessageId kDiscardAndShow = 1000;
constexpr MessageId kParamFileMissing = 1001;
constexpr MessageId kConfirmDelete = 1002;
constexpr MessageId kConfirmOverwrite = 1003;
constexpr MessageId kConfirmExit = 1004;
constexpr MessageId kFormatDiffers = 1005;
constexpr MessageId kPathMissing = 1006;
constexpr MessageId kFileMissingOrCorrupt = 1007;
constexpr MessageId kWrongPasteDestination = 1008;
constexpr MessageId kFileLocked = 1009;
constexpr MessageId kTemporaryKept = 1010;
constexpr MessageId kWriteAgain = 1011;
constexpr MessageId kUseTemporary = 1012;
constexpr MessageId kRenameTemporaryVfd = 1013;
constexpr MessageId kWriteFailed = 1014;
constexpr MessageId kReadFailed = 1015;
constexpr MessageId kSameFileName = 1016;
constexpr MessageId kRenameTemporaryVf_ = 1017;
constexpr MessageId kSecondParameterRange = 1018;
constexpr MessageId kDigitMismatch = 1019;
constexpr MessageId kOverlappingNumbers = 1020;
constexpr MessageId kDataNotSet = 1021;
constexpr MessageId kNoSpaceInType = 1022;
constexpr MessageId kCapacityEmpty = 1023;
constexpr MessageId kCapacitySmallOnly = 1024;
constexpr MessageId kCapacityLargeOnly = 1025;
constexpr MessageId kNoZero = 1026;
constexpr MessageId kOneByteDigits = 1027;
constexpr MessageId kCloseRatedCurrent = 1028;
constexpr MessageId kProtectedNoDelete = 1029;
constexpr MessageId kProtectedNoEdit = 1030;
constexpr MessageId kConfirmEditStandard = 1031;
constexpr MessageId kConfirmDeleteStandard = 1032;
constexpr MessageId kSameModelExists = 1033;
constexpr MessageId kSameModelMissing = 1034;
constexpr MessageId kSpecialNameMissing = 1035;
constexpr MessageId kRowLimit = 1036;
constexpr MessageId kUnsavedProceed = 1037;
constexpr MessageId kDeletionClears = 1038;
constexpr MessageId kCheckNotDone = 1039;
constexpr MessageId kOneByteNumber = 1040;
// 1041 to 1057: the catalogue reader's statuses.
constexpr MessageId kNoSection = 1041;
constexpr MessageId kBadModelName = 1042;
constexpr MessageId kBadModelCode1 = 1043;
constexpr MessageId kBadModelCode2 = 1044;
constexpr MessageId kBadModelCode5 = 1045;
constexpr MessageId kBadComResource = 1046;
constexpr MessageId kBadParamFile = 1047;
constexpr MessageId kBadFilterFile = 1048;
constexpr MessageId kBadHelpFile = 1049;
constexpr MessageId kBadCapacity = 1050;
constexpr MessageId kBadCurrent01 = 1051;  // 1052 to 1054: Current02 to Current04
constexpr MessageId kBadTypeName = 1055;
constexpr MessageId kInvalidModelName = 1056;
constexpr MessageId kBadImportFile = 1057;
constexpr MessageId kProtectedNoCut = 1058;
constexpr MessageId kProtectedNoCopy = 1059;
constexpr MessageId kProtectedNoPaste = 1060;
constexpr MessageId kAboveMaximum = 1061;
constexpr MessageId kConfirmDeleteCapacity = 1062;
constexpr MessageId kNoError = 1063;
constexpr MessageId kDiscardEditing = 1064;
constexpr MessageId kModelLimit = 1065;
constexpr MessageId kCannotDeleteModel = 1066;
constexpr MessageId kSpecialNameUnchanged = 1067;
constexpr MessageId kCapacityLimit = 1068;
constexpr MessageId kNoPaste902To933 = 1069;
constexpr MessageId kUnsavedDeleteEditing = 1070;
constexpr MessageId kComResourceNotSet = 1071;
constexpr MessageId kCheckNotDoneRunning = 1072;
constexpr MessageId kNotSavedWithErrors = 1073;
constexpr MessageId kSameCapacity = 1074;
constexpr MessageId kSameCapacityName = 1075;
constexpr MessageId kTooManyModels = 1076;
constexpr MessageId kNoPreservedData = 1077;
constexpr MessageId kDigitsAndCapitals = 1078;
constexpr MessageId kNoDoubleQuote = 1079;
constexpr MessageId kInitialOutOfRange = 1080;
constexpr MessageId kRangesByDecimals = 1081;
constexpr MessageId kRangeDigit0 = 1082;  // 1083 to 1085: digits 1 to 3
constexpr MessageId kHelpFileMissing = 1086;
constexpr MessageId kSmallCapacityRange = 1087;
constexpr MessageId kLargeCapacityRange = 1088;
constexpr MessageId kSmallCurrentRange = 1089;
constexpr MessageId kLargeCurrentRange = 1090;
constexpr MessageId kReadFailedShort = 1091;
constexpr MessageId kRunningCheck = 1092;
// Save found a file other than the one it read: someone else changed,
// created or deleted it meanwhile.
constexpr MessageId kChangedByOther = 1093;
constexpr MessageId kCreatedByOther = 1094;
constexpr MessageId kDeletedByOther = 1095;

}  // namespace msg
}  // namespace pfedit
