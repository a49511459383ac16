// The texts of the menus, the toolbar labels and the tooltips, exactly as the
// person sees them ("&" marks the mnemonic, a tab separates the accelerator).
#pragma once

#include <wx/chartype.h>

// ---- menu titles ----
inline constexpr const wxChar* MenuFile = wxT("file(&F)");
inline constexpr const wxChar* MenuEdit = wxT("Edit(&E)");
inline constexpr const wxChar* MenuMode = wxT("Mode(&M)");
inline constexpr const wxChar* MenuSlideshow = wxT("Slideshow(&D)");
inline constexpr const wxChar* MenuAppearance = wxT("Appearance(&A)");
inline constexpr const wxChar* MenuTheme = wxT("Theme");
inline constexpr const wxChar* MenuPoint = wxT("Point");
inline constexpr const wxChar* MenuLine = wxT("Line");
inline constexpr const wxChar* MenuAngle = wxT("Angle");

// ---- file ----
inline constexpr const wxChar* MenuFileNew = wxT("New(&N)\tCtrl+N");
inline constexpr const wxChar* MenuFileOpen = wxT("Open(&O)\tCtrl+O");
inline constexpr const wxChar* MenuFileSave = wxT("Save(&S)\tCtrl+S");
inline constexpr const wxChar* MenuFileSaveCsv = wxT("Save data\tShift+Ctrl+S");
inline constexpr const wxChar* MenuFileSaveBmp = wxT("Save image");
inline constexpr const wxChar* MenuFileLogfile = wxT("Save logfile");
inline constexpr const wxChar* MenuFilePrint = wxT("Print(&P)\tCtrl+P");
inline constexpr const wxChar* MenuFilePageSetup = wxT("Print setup");
inline constexpr const wxChar* MenuFilePrintPreview = wxT("Print preview");
inline constexpr const wxChar* MenuFileExportPdf = wxT("Export PDF...");
inline constexpr const wxChar* MenuFileAbout = wxT("About Figuretta(&A)");
inline constexpr const wxChar* MenuFileExit = wxT("Exit(&Q)\tCtrl+Q");

// ---- edit ----
inline constexpr const wxChar* MenuEditUndo = wxT("Undo(&U)\tCtrl+Z");
inline constexpr const wxChar* MenuEditRedo = wxT("Redo(&R)\tCtrl+Y");
inline constexpr const wxChar* MenuEditNextSheet = wxT("Next sheet\tN");
inline constexpr const wxChar* MenuEditPrevSheet = wxT("Prev sheet\tP");
inline constexpr const wxChar* MenuEditInsertNew = wxT("Insert sheet\tAlt+N");
inline constexpr const wxChar* MenuEditInsertCopyFigure = wxT("Insert copy (without text)");
inline constexpr const wxChar* MenuEditInsertCopyAll = wxT("Insert copy");
inline constexpr const wxChar* MenuEditDeleteSheet = wxT("Delete sheet");
inline constexpr const wxChar* MenuEditScript = wxT("Edit script\tE");
inline constexpr const wxChar* MenuEditMeasure = wxT("Measure\tCtrl+M");
inline constexpr const wxChar* MenuEditShowAgain = wxT("Show again");
inline constexpr const wxChar* MenuEditBenchMark = wxT("Bench mark test");

// ---- mode ----
inline constexpr const wxChar* MenuModeTovik = wxT("like Tovik(&c)");
inline constexpr const wxChar* MenuModeQuil = wxT("like Quil(&K)");
inline constexpr const wxChar* MenuModePanel = wxT("Touch panel(&P)");

// ---- slide show ----
inline constexpr const wxChar* MenuSlideShowStart = wxT("Slide show(&V)\tF5");
inline constexpr const wxChar* MenuSlideShowProperty = wxT("Animation setup \tA");

// ---- appearance ----
inline constexpr const wxChar* MenuThemeStandard = wxT("Standard");
inline constexpr const wxChar* MenuThemeCat = wxT("Cat");
inline constexpr const wxChar* MenuThemeStar = wxT("Star");
inline constexpr const wxChar* MenuThemeSkeleton = wxT("Skeleton");
inline constexpr const wxChar* MenuThemeQuil = wxT("like Quil");
inline constexpr const wxChar* MenuThemeTovik = wxT("like Tovik");
inline constexpr const wxChar* MenuThemePastel = wxT("Pastel");
// The fourth point item reads "point 3" although it selects the fourth slot.
inline constexpr const wxChar* MenuPointStyle[5] = {wxT("point 1"), wxT("point 2"), wxT("point 3"),
                                                    wxT("point 3"), wxT("point 5")};
inline constexpr const wxChar* MenuLineStyle[5] = {wxT("line 1"), wxT("line 2"), wxT("line 3"),
                                                   wxT("line 4"), wxT("line 5")};
inline constexpr const wxChar* MenuAngleStyle[5] = {wxT("angle 1"), wxT("angle 2"), wxT("angle 3"),
                                                    wxT("angle 4"), wxT("angle 5")};
inline constexpr const wxChar* MenuBackground = wxT("Background");
inline constexpr const wxChar* MenuCustomize = wxT("Customize");
inline constexpr const wxChar* MenuProperty = wxT("Property");
inline constexpr const wxChar* MenuAfterimage = wxT("Afterimage");
inline constexpr const wxChar* MenuShowHidden = wxT("Show hidden elements\tCtrl+H");
inline constexpr const wxChar* MenuSquaredPaper = wxT("Squared paper");

// ---- toolbar labels ----
inline constexpr const wxChar* ToolText_New = wxT("New");
inline constexpr const wxChar* ToolText_Open = wxT("Open");
inline constexpr const wxChar* ToolText_Save = wxT("Save");
inline constexpr const wxChar* ToolText_Print = wxT("Print");
inline constexpr const wxChar* ToolText_Undo = wxT("Undo");
inline constexpr const wxChar* ToolText_Redo = wxT("Redu");
inline constexpr const wxChar* ToolText_Axis = wxT("Axis");
inline constexpr const wxChar* ToolText_Erase = wxT("Erase");
inline constexpr const wxChar* ToolText_ZoomIn = wxT("ZoomIn");
inline constexpr const wxChar* ToolText_ZoomOut = wxT("ZoomOut");
inline constexpr const wxChar* ToolText_Property = wxT("Property");
inline constexpr const wxChar* ToolText_Invisible = wxT("Invisi");
inline constexpr const wxChar* ToolText_ModeSelect = wxT("Select");
inline constexpr const wxChar* ToolText_ModeMove = wxT("Move");
inline constexpr const wxChar* ToolText_ModeSPoint = wxT("Point");
inline constexpr const wxChar* ToolText_ModeMLine = wxT("Line");
inline constexpr const wxChar* ToolText_ModePara = wxT("Para");
inline constexpr const wxChar* ToolText_ModePerp = wxT("Perp");
inline constexpr const wxChar* ToolText_ModeMid = wxT("MidP");
inline constexpr const wxChar* ToolText_ModeMCircle = wxT("Circ");
inline constexpr const wxChar* ToolText_ModeAngle = wxT("Angle");
inline constexpr const wxChar* ToolText_ModeBracket = wxT("Bracket");
inline constexpr const wxChar* ToolText_ModeLineWithAngle = wxT("AngleLine");
inline constexpr const wxChar* ToolText_ModeBisector = wxT("Bisect");
inline constexpr const wxChar* ToolText_ModeCompass = wxT("Compass");
inline constexpr const wxChar* ToolText_ModeOrbit = wxT("Orbit");
inline constexpr const wxChar* ToolText_ModeText = wxT("Text");
inline constexpr const wxChar* ToolText_ModeImage = wxT("Image");
inline constexpr const wxChar* ToolText_ModeTangent = wxT("Tangent");
inline constexpr const wxChar* ToolText_ModeCircleBy3 = wxT("CircBy3");
inline constexpr const wxChar* ToolText_ModeClipping = wxT("Segment");
inline constexpr const wxChar* ToolText_ModeGraph = wxT("Graph");
inline constexpr const wxChar* ToolText_ModeMeet = wxT("Meet");

// ---- tooltips ----
inline constexpr const wxChar* ToolTip_Undo = wxT("Undo");
inline constexpr const wxChar* ToolTip_Redo = wxT("Redo");
inline constexpr const wxChar* ToolTip_Axis = wxT("Add axes");
inline constexpr const wxChar* ToolTip_Erase = wxT("Erase");
inline constexpr const wxChar* ToolTip_ZoomIn = wxT("ZoomIn");
inline constexpr const wxChar* ToolTip_ZoomOut = wxT("ZoomOut");
inline constexpr const wxChar* ToolTip_Property = wxT("Property");
inline constexpr const wxChar* ToolTip_Invisible = wxT("Invisible");
inline constexpr const wxChar* ToolTip_ModeSelect = wxT("Select");
inline constexpr const wxChar* ToolTip_ModeMove = wxT("Move mode");
inline constexpr const wxChar* ToolTip_ModeSPoint = wxT("Add a point");
inline constexpr const wxChar* ToolTip_ModeMLine = wxT("Add a line");
inline constexpr const wxChar* ToolTip_ModePara = wxT("Add a parallel");
inline constexpr const wxChar* ToolTip_ModePerp = wxT("Add a perpendicular");
inline constexpr const wxChar* ToolTip_ModeMid = wxT("Add a midpoint");
inline constexpr const wxChar* ToolTip_ModeMCircle = wxT("Add a circle");
inline constexpr const wxChar* ToolTip_ModeBisector = wxT("Add a bisector");
inline constexpr const wxChar* ToolTip_ModeMeet = wxT("Add the intersection");
inline constexpr const wxChar* ToolTip_ModeClipping = wxT("Clip a line");
// In the Quil and touch-panel bars the Segment button makes a segment from two
// points, so its tooltip there is the Line tooltip.
inline constexpr const wxChar* ToolTip_ModeClippingQuil = wxT("Add a line");

// ---- the status bar and the closing question ----
inline constexpr const wxChar* StatusWelcome = wxT("Welcome to wxFiguretta!");
inline constexpr const wxChar* QuitQuestion = wxT("Do you save the configuration before quitting?");
inline constexpr const wxChar* QuitCaption = wxT("Are you sure?");
inline constexpr const wxChar* AboutCaption = wxT("About ....");
