#pragma once

// Every text the file operations show or log, defined once.
namespace zmp::filemessages {

inline constexpr const char* FileSaveError = "FileSave Error!!";
inline constexpr const char* FileReadError = "FileRead Error!!";
inline constexpr const char* ModelTypeError = "ModelType Error !!";
inline constexpr const char* BadFile = "bad file!!";

// Caption of the model-code refusal of an image file: the same box as the radio read's.
inline constexpr const char* ReadFromRadioCaption = "Read from Radio";

// Error-log sources: window and routine of each file operation.
inline constexpr const char* SaveFileAsSource = "frmMain.SaveFileAs";
inline constexpr const char* FileRead2Source = "frmMain.FileRead2";
inline constexpr const char* SaveHexFileAsSource = "frmMain.SaveHexFileAs";
inline constexpr const char* ReadHexFileAsSource = "frmMain.ReadHexFileAs";
inline constexpr const char* FileReadIniSource = "frmMain.FileReadIni";

}  // namespace zmp::filemessages
