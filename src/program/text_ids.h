#pragma once

namespace zf {

// The ids of the text table, each with its name. The numbers are the ones the
// help and older files know the texts by, so they never change; where two ids
// hold the same text the name says where each one is shown. Listed once so
// that the enum and the list of all ids cannot disagree.
#define ZF_TEXT_IDS(X)                                                                             \
    X(BackTip, 1)                                                                                  \
    X(UnexpectedKeypress, 2)                                                                       \
    X(PressBracketKey, 3)                                                                          \
    X(InstructionNotComplete, 4)                                                                   \
    X(InstructionNeedsNumber, 5)                                                                   \
    X(ZarnikMemoryFull, 6)                                                                         \
    X(ErasesProcedure, 7)                                                                          \
    X(NumberNotExpected, 8)                                                                        \
    X(NoMoreNumbers, 10)                                                                           \
    X(BracketNotExpected, 11)                                                                      \
    X(NumberWithoutInstruction, 14)                                                                \
    X(ComputerMemoryLow, 15)                                                                       \
    X(NoRoomForDefinition, 16)                                                                     \
    X(TooManyNestedRepeats, 17)                                                                    \
    X(SenseNotComplete, 18)                                                                        \
    X(PleaseCompleteInstruction, 22)                                                               \
    X(GoProgramNotReleased, 23)                                                                    \
    X(EnterTextCaption, 24)                                                                        \
    X(EditTextCaption, 25)                                                                         \
    X(DragToGraphicsWindow, 26)                                                                    \
    X(ClickToAddToGoProgram, 27)                                                                   \
    X(DefaultGoProgramName, 30)                                                                    \
    X(DefinitionIncomplete, 31)                                                                    \
    X(CannotOpenComPort, 32)                                                                       \
    X(UseHigherProcedure, 36)                                                                      \
    X(Procedure99CallsNone, 37)                                                                    \
                                                                                                   \
    /* Tips of the graphics tool bar. */                                                           \
    X(StampsTip, 38)                                                                               \
    X(ClearAllObjectsTip, 39)                                                                      \
    X(FlipStampTip, 40)                                                                            \
    X(CreateTextTip, 41)                                                                           \
    X(EditTextTip, 42)                                                                             \
    X(ClearOneObjectTip, 43)                                                                       \
    X(StampsAndTextTip, 44)                                                                        \
    X(ControlTip, 45)                                                                              \
    X(BackgroundToolsTip, 46)                                                                      \
    X(ZarnikToolsTip, 47)                                                                          \
    X(RunTip, 48)                                                                                  \
    X(StopTip, 49)                                                                                 \
    X(ContinueTip, 50)                                                                             \
    X(ResetTip, 51)                                                                                \
    X(StepTip, 52)                                                                                 \
    X(AreaSizeTip, 53)                                                                             \
    X(RulersTip, 54)                                                                               \
    X(LoadBackgroundTip, 55)                                                                       \
    X(ClearWorkingAreaTip, 56)                                                                     \
    X(ZarnikShapeTip, 57)                                                                          \
    X(ZarnikPositionTip, 58)                                                                       \
    X(ZarnikDirectionTip, 59)                                                                      \
    X(FlipZarnikTip, 62)                                                                           \
                                                                                                   \
    /* Tips of the Go Container's tool bar. */                                                     \
    X(GoStampsAndTextTip, 63)                                                                      \
    X(GoZarnikToolsTip, 64)                                                                        \
    X(GoStampsBackTip, 65)                                                                         \
    X(GoStampsTip, 66)                                                                             \
    X(GoFlipStampTip, 67)                                                                          \
    X(GoCreateTextTip, 68)                                                                         \
    X(GoEditTextTip, 69)                                                                           \
    X(GoZarnikBackTip, 70)                                                                         \
    X(GoZarnikShapeTip, 71)                                                                        \
    X(GoZarnikPositionTip, 72)                                                                     \
    X(GoZarnikDirectionTip, 73)                                                                    \
    X(GoPenDownTip, 74)                                                                            \
    X(GoPenUpTip, 75)                                                                              \
                                                                                                   \
    X(FinishDefiningFirst, 76)                                                                     \
    X(GoIncompleteRepeats, 77)                                                                     \
    X(GoIncompleteRepeat, 78)                                                                      \
    X(GoRepeatDeleted, 79)                                                                         \
    X(GoIncompleteInstruction, 80)                                                                 \
    X(NoGoProgram, 81)                                                                             \
    X(GoFlipZarnikTip, 82)                                                                         \
    X(GoProgramRunning, 83)                                                                        \
    X(NeedLaterVersion, 84)                                                                        \
    X(ProgramCopiedToZarnik, 87)                                                                   \
    X(ZarnikNotResponding, 89)                                                                     \
    X(ZarnikMustStayInArea, 90)                                                                    \
    X(CursorOnlyInDefinition, 93)                                                                  \
    X(DefaultText, 94)                                                                             \
    X(CannotMoveOutside, 95)                                                                       \
    X(AreaSmallerThanZarnik, 96)                                                                   \
    X(GoProgramNotFound, 97)                                                                       \
    X(SaveGoProgramChanges, 102)                                                                   \
    X(ExitZarnikfield, 103)                                                                        \
    X(ProcIncompleteRepeats, 105)                                                                  \
    X(ProcIncompleteRepeat, 106)                                                                   \
    X(ProcRepeatDeleted, 107)                                                                      \
    X(ProcIncompleteInstruction, 108)                                                              \
                                                                                                   \
    X(PrintDocumentName, 1002)                                                                     \
    X(ClearMemoryPrompt, 1004)                                                                     \
    X(ZarnikHelpFile, 1005)                                                                        \
    X(JourneysHelpFile, 1006)                                                                      \
    X(RoutesHelpFile, 1007)                                                                        \
    X(UserGuideFile, 1008)                                                                         \
    X(OptionsFileName, 1010)                                                                       \
    X(RobotGoProgramName, 1011)                                                                    \
    X(ProductName, 1012)                                                                           \
    X(ProjectGoProgramReadOnly, 1017)                                                              \
    X(ProjectGoProgramNotFound, 1019)                                                              \
    X(SaveProjectChanges, 1020)                                                                    \
    X(CannotOpenProjectUseDefault, 1021)                                                           \
    X(ProjectNotFoundUseDefault, 1022)                                                             \
    X(ResizeClearsGraphics, 1023)                                                                  \
    X(ResizeWorkingArea, 1024)                                                                     \
    X(NotAGoProgram, 1026)                                                                         \
    X(NoGoProgramWhileRunning, 1029)                                                               \
    X(NoProjectWhileRunning, 1030)                                                                 \
    X(UnbalancedRunStack, 1034)                                                                    \
    X(SaveGraphicsWindowTitle, 1035)                                                               \
    X(SelectProjectTitle, 1036)                                                                    \
    X(FileOpenError, 1050)                                                                         \
    X(HeaderSizesDisagree, 1051)                                                                   \
    X(SaveProjectTitle, 1052)                                                                      \
    X(SaveGoProgramTitle, 1053)                                                                    \
    X(NoMemoryToSaveBitmap, 1054)                                                                  \
    X(NoMemoryForPaintBitmap, 1055)                                                                \
    X(DeleteGoListProcedures, 1056)                                                                \
    X(ClearAllObjectsQuestion, 1057)                                                               \
    X(ClearAllGraphicsQuestion, 1058)                                                              \
    X(ObjectListFileError, 1059)                                                                   \
    X(ProcedureAlreadyClosed, 1063)                                                                \
    X(CannotOpenClipboard, 1064)                                                                   \
    X(NoMemoryForObject, 1065)                                                                     \
    X(DeleteProcedureQuestion, 1066)                                                               \
    X(ProjectSelectedByMistake, 1070)                                                              \
    X(NotAProjectOrGoProgram, 1071)                                                                \
    X(ProjectNotFound, 1072)                                                                       \
    X(CannotOpenProject, 1073)                                                                     \
    X(LauncherFileName, 1074)                                                                      \
    X(GoTooManyNestedRepeats, 1075)                                                                \
    X(ProcTooManyNestedRepeats, 1076)                                                              \
    X(DigitNotAllowed, 1078)                                                                       \
    X(AddBracketToProcedure, 1079)                                                                 \
    X(BracketAtProcedureEnd, 1080)                                                                 \
    X(LauncherNotFound, 1081)                                                                      \
    X(ProjectZarnikNotFound, 1082)                                                                 \
    X(ProjectHasNoZarniks, 1083)                                                                   \
    X(NotAProjectFile, 1088)                                                                       \
    X(NoDragWhileRunning, 1089)                                                                    \
    X(EmptyProceduresForRoom, 1090)                                                                \
    X(EmptyProceduresForSend, 1091)                                                                \
    X(SelectGoProgramTitle, 1093)

enum class TextId : int {
    // A text shown without an id in the table.
    Unnumbered = -1,
#define ZF_TEXT_ID_ENUMERATOR(name, number) name = number,
    ZF_TEXT_IDS(ZF_TEXT_ID_ENUMERATOR)
#undef ZF_TEXT_ID_ENUMERATOR
};

// Every named id but Unnumbered.
inline constexpr TextId kAllTextIds[] = {
#define ZF_TEXT_ID_ENTRY(name, number) TextId::name,
    ZF_TEXT_IDS(ZF_TEXT_ID_ENTRY)
#undef ZF_TEXT_ID_ENTRY
};

} // namespace zf
