// Scripted stand-in for the platform: records every call and answers from
// prepared queues, so messages, questions and dialogs are testable without a
// display.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/Platform.h"

class TestPlatform : public Platform {
 public:
  struct Message {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
  };
  struct FileDialogCall {
    bool open;
    std::string defaultExt;
    std::string proposed;
    std::string filter;
    unsigned flags;
  };

  // Prepared answers, taken front first. With no answer left a message box
  // answers with its first button (OK, Yes, Retry or Abort) and dialogs cancel.
  std::deque<int> answers;
  std::deque<std::string> fileAnswers;    // "" means Cancel
  std::deque<std::string> folderAnswers;  // "" means Cancel
  // Runs when a message box is shown, before it is answered (a test can
  // change the world the way a user would before pressing Retry).
  std::function<void(const Message&)> onMessage;

  // What happened.
  std::vector<Message> messages;
  std::vector<FileDialogCall> fileDialogs;
  std::vector<std::pair<std::string, std::string>> folderDialogs;  // prompt, start
  std::vector<std::pair<std::string, std::vector<std::string>>> processes;
  std::vector<std::string> shellOpens;
  std::vector<std::string> unsetVariables;
  int waitCursorDepth = 0;
  int waitCursorCalls = 0;

  // Services.
  bool clipboardWorks = true;
  bool processesWork = true;
  std::string clipboardText;
  bool hasClipboardText = false;
  std::map<std::string, std::string> clipboardData;
  std::map<std::string, std::string> profile;  // "Section/Key" -> value
  std::string programDir = "/opt/velkobutton/";
  std::string previewDir = "/tmp/velkobutton-preview/";

  // The engine's texts in a language (unset: the English).
  std::function<std::string(const char*, const char*)> translate;
  std::string Translate(const char* context, const char* text) override {
    return translate ? translate(context, text) : std::string(text);
  }

  int MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon) override {
    messages.push_back({text, buttons, icon});
    if (onMessage) onMessage(messages.back());
    if (!answers.empty()) {
      int a = answers.front();
      answers.pop_front();
      return a;
    }
    switch (buttons) {
      case MsgButtons::Ok:
      case MsgButtons::OkCancel:
        return IdOk;
      case MsgButtons::YesNo:
      case MsgButtons::YesNoCancel:
        return IdYes;
      case MsgButtons::RetryCancel:
        return IdCancel;
      case MsgButtons::AbortRetryIgnore:
        return IdAbort;
    }
    return IdOk;
  }

  bool FileDialog(bool open, const std::string& defaultExt, std::string& path,
                  const std::string& filter, unsigned flags) override {
    fileDialogs.push_back({open, defaultExt, path, filter, flags});
    if (fileAnswers.empty()) return false;
    std::string a = fileAnswers.front();
    fileAnswers.pop_front();
    if (a.empty()) return false;
    path = a;
    return true;
  }

  bool BrowseForFolder(const std::string& prompt, std::string& directory,
                       const std::string& start) override {
    folderDialogs.emplace_back(prompt, start);
    if (folderAnswers.empty()) return false;
    std::string a = folderAnswers.front();
    folderAnswers.pop_front();
    if (a.empty()) return false;
    directory = a;
    return true;
  }

  bool SetClipboardText(const std::string& text) override {
    if (!clipboardWorks) return false;
    clipboardData.clear();
    clipboardText = text;
    hasClipboardText = true;
    return true;
  }
  bool ClipboardHasText() override { return hasClipboardText; }
  bool SetClipboardData(const std::string& mimeType, const std::string& bytes) override {
    if (!clipboardWorks) return false;
    clipboardData.clear();
    hasClipboardText = false;
    clipboardData[mimeType] = bytes;
    return true;
  }
  bool AddClipboardData(const std::string& mimeType, const std::string& bytes) override {
    if (!clipboardWorks || clipboardData.empty()) return false;
    clipboardData[mimeType] = bytes;
    return true;
  }
  bool GetClipboardData(const std::string& mimeType, std::string& bytes) override {
    auto it = clipboardData.find(mimeType);
    if (it == clipboardData.end()) return false;
    bytes = it->second;
    return true;
  }
  std::size_t ClipboardDataSize(const std::string& mimeType) override {
    auto it = clipboardData.find(mimeType);
    return it == clipboardData.end() ? 0 : it->second.size();
  }
  bool ClipboardHasData(const std::string& mimeType) override {
    return clipboardData.count(mimeType) != 0;
  }

  bool StartProcess(const std::string& program, const std::vector<std::string>& args) override {
    processes.emplace_back(program, args);
    return processesWork;
  }
  bool OpenWithShell(const std::string& target) override {
    shellOpens.push_back(target);
    return processesWork;
  }
  void UnsetEnvironment(const std::string& name) override { unsetVariables.push_back(name); }

  std::string GetProfileString(const std::string& section, const std::string& key,
                               const std::string& def) override {
    auto it = profile.find(section + "/" + key);
    return it == profile.end() ? def : it->second;
  }
  int GetProfileInt(const std::string& section, const std::string& key, int def) override {
    auto it = profile.find(section + "/" + key);
    if (it == profile.end()) return def;
    try {
      return std::stoi(it->second);
    } catch (...) {
      return def;
    }
  }
  void WriteProfileString(const std::string& section, const std::string& key,
                          const std::string& value) override {
    profile[section + "/" + key] = value;
    writes.push_back(section + "/" + key);
  }
  void WriteProfileInt(const std::string& section, const std::string& key, int value) override {
    WriteProfileString(section, key, std::to_string(value));
  }
  std::vector<std::string> writes;  // keys in the order they were written

  std::string ProgramDir() override { return programDir; }
  std::string PreviewDir() override { return previewDir; }

  void BeginWaitCursor() override {
    ++waitCursorDepth;
    ++waitCursorCalls;
  }
  void EndWaitCursor() override { --waitCursorDepth; }
};
