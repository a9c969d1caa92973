# The sources of the toolkit-free libraries, from the top of the tree. Named
# once here for the game's build and for the fuzzers, which compile them with
# their own instrumentation.
set(pipwright_game_sources
  game/Text.cpp
  game/Variant.cpp
  game/GameState.cpp
  game/Random.cpp
  game/DominoSet.cpp
  game/Geometry.cpp
  game/Engine.cpp
  game/RoundFlow.cpp
  game/PlayerMoves.cpp
  game/Scoring.cpp
  game/ResultTexts.cpp
  game/LinePainting.cpp
  game/Invariants.cpp
  game/TableView.cpp
  game/ScoreSheet.cpp
  game/ScoreSheetText.cpp
  game/SheetNotes.cpp
)
set(pipwright_computer_sources
  computer/MoveChoice.cpp
  computer/ComputerPlayer.cpp
  computer/Playout.cpp
  computer/HiddenHand.cpp
  computer/MasterChoice.cpp
  computer/Hint.cpp
)
set(pipwright_storage_format_sources
  storage/FieldText.cpp
  storage/SavedGameWriter.cpp
  storage/SavedGameReader.cpp
  storage/HistoryFormat.cpp
)
