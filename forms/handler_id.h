// The handler routines that the windows bind to their events. A definition names a
// handler by its id; the program (or a test) supplies the routine behind each id.
#pragma once

enum class HandlerId : int {
  None = -1,
  // RecorderWindow
  RecorderCreated,
  RecorderTrayEvent,
  RecorderAboutToBeDestroyed,
  RecordCommand,
  StopCommand,
  SaveCommand,
  PlayCommand,
  ShowRecorder,
  HideRecorder,
  CaptureTick,
  ExitCommand,
  PauseCommand,
  ShowSettings,
  RecorderKeyDown,
  ShowCaptureChoices,
  ChooseCaptureArea,
  // SaveDialog
  SaveDialogCreated,
  QualityChanged,
  CancelSave,
  SaveRecording,
  PackProgress,
  SaveDialogQueryClose,
  // PlayerWindow
  PlayerCreated,
  OpenRecording,
  StartPlayback,
  PausePlayback,
  StopPlayback,
  PlaybackTick,
  ShowAbout,
  PlayerAboutToBeDestroyed,
  // PlayerWindow: seeking, the keys and the picture's menu of range marks
  PlayerKeyDown,
  SeekOnProgressBar,
  ShowPictureMenu,
  MarkRangeStart,
  MarkRangeEnd,
  ClearRangeMarks,
  SaveRangeAs,
  // PlayerWindow: the recording's sound
  ToggleMute,
  // SettingsWindow
  SettingsCreated,
  ConfirmSettings,
  CancelSettings,
  SettingsClosing,
  // SettingsWindow: the 声音 part's device, levels and level bars
  MicrophoneDeviceChosen,
  SoundLevelMoved,
  SoundLevelTick,
  Count
};
