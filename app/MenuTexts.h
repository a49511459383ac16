// The texts of the menus, the toolbar labels and the tooltips, exactly as the
// person sees them ("&" marks the mnemonic, a tab separates the accelerator),
// each the key of its translation.
#pragma once

#include "app/Language.h"

// ---- menu titles ----
inline constexpr GMsg MenuFile = NW_("file(&F)");
inline constexpr GMsg MenuEdit = NW_("Edit(&E)");
inline constexpr GMsg MenuMode = NW_("Mode(&M)");
inline constexpr GMsg MenuSlideshow = NW_("Slideshow(&D)");
inline constexpr GMsg MenuAppearance = NW_("Appearance(&A)");
inline constexpr GMsg MenuTheme = NW_("Theme");
inline constexpr GMsg MenuPoint = NW_("Point");
inline constexpr GMsg MenuLine = NW_("Line");
inline constexpr GMsg MenuAngle = NW_("Angle");

// ---- file ----
inline constexpr GMsg MenuFileNew = NW_("New(&N)\tCtrl+N");
inline constexpr GMsg MenuFileOpen = NW_("Open(&O)\tCtrl+O");
inline constexpr GMsg MenuFileSave = NW_("Save(&S)\tCtrl+S");
inline constexpr GMsg MenuFileSaveCsv = NW_("Save data\tShift+Ctrl+S");
inline constexpr GMsg MenuFileSaveBmp = NW_("Save image");
inline constexpr GMsg MenuFileLogfile = NW_("Save logfile");
inline constexpr GMsg MenuFilePrint = NW_("Print(&P)\tCtrl+P");
inline constexpr GMsg MenuFilePageSetup = NW_("Print setup");
inline constexpr GMsg MenuFilePrintPreview = NW_("Print preview");
inline constexpr GMsg MenuFileExportPdf = NW_("Export PDF...");
inline constexpr GMsg MenuFileAbout = NW_("About Figuretta(&A)");
inline constexpr GMsg MenuFileExit = NW_("Exit(&Q)\tCtrl+Q");

// ---- edit ----
inline constexpr GMsg MenuEditUndo = NW_("Undo(&U)\tCtrl+Z");
inline constexpr GMsg MenuEditRedo = NW_("Redo(&R)\tCtrl+Y");
inline constexpr GMsg MenuEditNextSheet = NW_("Next sheet\tN");
inline constexpr GMsg MenuEditPrevSheet = NW_("Prev sheet\tP");
inline constexpr GMsg MenuEditInsertNew = NW_("Insert sheet\tAlt+N");
inline constexpr GMsg MenuEditInsertCopyFigure = NW_("Insert copy (without text)");
inline constexpr GMsg MenuEditInsertCopyAll = NW_("Insert copy");
inline constexpr GMsg MenuEditDeleteSheet = NW_("Delete sheet");
inline constexpr GMsg MenuEditScript = NW_("Edit script\tE");
inline constexpr GMsg MenuEditMeasure = NW_("Measure\tCtrl+M");
inline constexpr GMsg MenuEditShowAgain = NW_("Show again");
inline constexpr GMsg MenuEditBenchMark = NW_("Bench mark test");

// ---- mode ----
inline constexpr GMsg MenuModeTovik = NW_("like Tovik(&c)");
inline constexpr GMsg MenuModeQuil = NW_("like Quil(&K)");
inline constexpr GMsg MenuModePanel = NW_("Touch panel(&P)");

// ---- slide show ----
inline constexpr GMsg MenuSlideShowStart = NW_("Slide show(&V)\tF5");
inline constexpr GMsg MenuSlideShowProperty = NW_("Animation setup \tA");

// ---- appearance ----
inline constexpr GMsg MenuThemeStandard = NW_("Standard");
inline constexpr GMsg MenuThemeCat = NW_("Cat");
inline constexpr GMsg MenuThemeStar = NW_("Star");
inline constexpr GMsg MenuThemeSkeleton = NW_("Skeleton");
inline constexpr GMsg MenuThemeQuil = NW_("like Quil");
inline constexpr GMsg MenuThemeTovik = NW_("like Tovik");
inline constexpr GMsg MenuThemePastel = NW_("Pastel");
// The fourth point item reads "point 3" although it selects the fourth slot.
inline constexpr GMsg MenuPointStyle[5] = {NW_("point 1"), NW_("point 2"), NW_("point 3"),
                                           NW_("point 3"), NW_("point 5")};
inline constexpr GMsg MenuLineStyle[5] = {NW_("line 1"), NW_("line 2"), NW_("line 3"),
                                          NW_("line 4"), NW_("line 5")};
inline constexpr GMsg MenuAngleStyle[5] = {NW_("angle 1"), NW_("angle 2"), NW_("angle 3"),
                                           NW_("angle 4"), NW_("angle 5")};
inline constexpr GMsg MenuBackground = NW_("Background");
inline constexpr GMsg MenuCustomize = NW_("Customize");
inline constexpr GMsg MenuProperty = NW_("Property");
inline constexpr GMsg MenuAfterimage = NW_("Afterimage");
inline constexpr GMsg MenuShowHidden = NW_("Show hidden elements\tCtrl+H");
inline constexpr GMsg MenuSquaredPaper = NW_("Squared paper");
inline constexpr GMsg MenuLanguage = NW_("Language");
inline constexpr GMsg MenuLanguageSystem = NW_("System language");
inline constexpr GMsg LanguageNextStart =
    NW_("Figuretta speaks the new language the next time it starts.");

// ---- toolbar labels ----
inline constexpr GMsg ToolText_New = NW_("New");
inline constexpr GMsg ToolText_Open = NW_("Open");
inline constexpr GMsg ToolText_Save = NW_("Save");
inline constexpr GMsg ToolText_Print = NW_("Print");
inline constexpr GMsg ToolText_Undo = NW_("Undo");
inline constexpr GMsg ToolText_Redo = NW_("Redu");
inline constexpr GMsg ToolText_Axis = NW_("Axis");
inline constexpr GMsg ToolText_Erase = NW_("Erase");
inline constexpr GMsg ToolText_ZoomIn = NW_("ZoomIn");
inline constexpr GMsg ToolText_ZoomOut = NW_("ZoomOut");
inline constexpr GMsg ToolText_Property = NW_("Property");
inline constexpr GMsg ToolText_Invisible = NW_("Invisi");
inline constexpr GMsg ToolText_ModeSelect = NW_("Select");
inline constexpr GMsg ToolText_ModeMove = NW_("Move");
inline constexpr GMsg ToolText_ModeSPoint = NW_("Point");
inline constexpr GMsg ToolText_ModeMLine = NW_("Line");
inline constexpr GMsg ToolText_ModePara = NW_("Para");
inline constexpr GMsg ToolText_ModePerp = NW_("Perp");
inline constexpr GMsg ToolText_ModeMid = NW_("MidP");
inline constexpr GMsg ToolText_ModeMCircle = NW_("Circ");
inline constexpr GMsg ToolText_ModeAngle = NW_("Angle");
inline constexpr GMsg ToolText_ModeBracket = NW_("Bracket");
inline constexpr GMsg ToolText_ModeLineWithAngle = NW_("AngleLine");
inline constexpr GMsg ToolText_ModeBisector = NW_("Bisect");
inline constexpr GMsg ToolText_ModeCompass = NW_("Compass");
inline constexpr GMsg ToolText_ModeOrbit = NW_("Orbit");
inline constexpr GMsg ToolText_ModeText = NW_("Text");
inline constexpr GMsg ToolText_ModeImage = NW_("Image");
inline constexpr GMsg ToolText_ModeTangent = NW_("Tangent");
inline constexpr GMsg ToolText_ModeCircleBy3 = NW_("CircBy3");
inline constexpr GMsg ToolText_ModeClipping = NW_("Segment");
inline constexpr GMsg ToolText_ModeGraph = NW_("Graph");
inline constexpr GMsg ToolText_ModeMeet = NW_("Meet");

// ---- tooltips ----
inline constexpr GMsg ToolTip_Undo = NW_("Undo");
inline constexpr GMsg ToolTip_Redo = NW_("Redo");
inline constexpr GMsg ToolTip_Axis = NW_("Add axes");
inline constexpr GMsg ToolTip_Erase = NW_("Erase");
inline constexpr GMsg ToolTip_ZoomIn = NW_("ZoomIn");
inline constexpr GMsg ToolTip_ZoomOut = NW_("ZoomOut");
inline constexpr GMsg ToolTip_Property = NW_("Property");
inline constexpr GMsg ToolTip_Invisible = NW_("Invisible");
inline constexpr GMsg ToolTip_ModeSelect = NW_("Select");
inline constexpr GMsg ToolTip_ModeMove = NW_("Move mode");
inline constexpr GMsg ToolTip_ModeSPoint = NW_("Add a point");
inline constexpr GMsg ToolTip_ModeMLine = NW_("Add a line");
inline constexpr GMsg ToolTip_ModePara = NW_("Add a parallel");
inline constexpr GMsg ToolTip_ModePerp = NW_("Add a perpendicular");
inline constexpr GMsg ToolTip_ModeMid = NW_("Add a midpoint");
inline constexpr GMsg ToolTip_ModeMCircle = NW_("Add a circle");
inline constexpr GMsg ToolTip_ModeBisector = NW_("Add a bisector");
inline constexpr GMsg ToolTip_ModeMeet = NW_("Add the intersection");
inline constexpr GMsg ToolTip_ModeClipping = NW_("Clip a line");
// In the Quil and touch-panel bars the Segment button makes a segment from two
// points, so its tooltip there is the Line tooltip.
inline constexpr GMsg ToolTip_ModeClippingQuil = NW_("Add a line");

// ---- the status bar and the closing question ----
inline constexpr GMsg StatusWelcome = NW_("Welcome to wxFiguretta!");
inline constexpr GMsg QuitQuestion = NW_("Do you save the configuration before quitting?");
inline constexpr GMsg QuitCaption = NW_("Are you sure?");
inline constexpr GMsg AboutCaption = NW_("About ....");
