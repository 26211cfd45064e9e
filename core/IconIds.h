// The program's pictures by the ids their files are named after
// (ui/icons/tree/<id>.svg, ui/icons/page/<id>.svg).
#pragma once

enum IconId : int {
  // The outline tree's items.
  kIconTreeButton = 302,
  kIconTreeOver = 303,
  kIconTreeUp = 304,
  kIconTreeDown = 305,
  kIconTreeText = 306,
  kIconTreeBorder = 307,
  kIconTreeAudio = 308,
  kIconTreeImage = 309,
  kIconTreeAdvanced = 310,
  kIconTreeProject = 311,
  // Alignment buttons: a caption's, then an image's.
  kIconTextLeft = 210,
  kIconTextCenter = 162,
  kIconTextRight = 209,
  kIconTextTop = 165,
  kIconTextMiddle = 164,
  kIconTextBottom = 163,
  kIconImageLeft = 216,
  kIconImageCenter = 215,
  kIconImageRight = 217,
  kIconImageTop = 218,
  kIconImageMiddle = 219,
  kIconImageBottom = 220,
  // Border styles.
  kIconBorderNone = 214,
  kIconBorderFlat = 166,
  kIconBorderBevel = 211,
  kIconBorderPoint = 212,
  kIconBorderRaised = 213,
  // Caption styles.
  kIconBold = 230,
  kIconItalic = 231,
  kIconUnderline = 232,
  kIconEmboss = 233,
  kIconEngrave = 234,
  // How an image fills its place.
  kIconImageNormal = 221,
  kIconImageTile = 222,
  kIconImageScale = 223,
  // Button modes.
  kIconModePush = 227,
  kIconModeCheck = 228,
  kIconModeRadio = 229,
  // Sound modes.
  kIconSoundPlay = 235,
  kIconSoundStop = 236,
  kIconSoundLoop = 237,
};
