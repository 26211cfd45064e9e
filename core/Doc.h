// The project document: the project group and the ordered list of buttons
// with all their groups; New, Open and Save; the project's parameters, page,
// input file and resource list.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/KesDoc.h"

class KesProp;
class PropButton;
class PropProject;

class Doc : public KesDoc {
 public:
  explicit Doc(KesApp& app);
  ~Doc() override;

  // The project group (never null once New or Open has run).
  PropProject* project() const { return project_.get(); }

  // The buttons in button order.
  const std::vector<std::unique_ptr<PropButton>>& buttons() const { return buttons_; }
  std::vector<PropButton*> Buttons() const;
  std::size_t ButtonCount() const { return buttons_.size(); }
  // -1 when the button is not in the project.
  int IndexOf(const PropButton* button) const;

  // A button with its three states and fifteen groups, not yet in the list.
  std::unique_ptr<PropButton> CreateButton();
  // Inserts at `index` (clamped; -1 or past the end: last) and lays the
  // buttons out. Returns the inserted button.
  PropButton* InsertButton(std::unique_ptr<PropButton> button, int index = -1);
  // Takes a button out of the list (the caller destroys it) and lays the
  // buttons out.
  std::unique_ptr<PropButton> RemoveButton(PropButton* button);
  // Moves a button to `index` and lays the buttons out.
  void MoveButton(PropButton* button, int index);

  // Places all buttons by the project's layout settings.
  void LayoutButtons();

  // New: clears the document and makes the project group and "Button 1".
  bool OnNewDocument();
  // Open: "Failed to open document." when the file cannot be read (the
  // current project stays); "Unexpected file format." when its contents do
  // not match (a new project takes its place).
  bool OnOpenDocument(const std::string& path);
  // Open from the bytes of a project file already read; `path` becomes the
  // document's path on success.
  bool OpenFromBytes(const std::string& bytes, const std::string& path);
  // Clears the document (hint 104) and destroys every group.
  void DeleteContents();

  void Serialize(Archive& ar) override;

  // Copy and Paste of one group through its serialisation. Paste keeps the
  // target's name and, when the bytes cannot be read, leaves the target
  // exactly as it was and returns false.
  static std::string CopyGroup(KesProp& group);
  static bool PasteGroup(KesProp& target, const std::string& bytes);

  // Generation.
  std::string BuildParams(int form, const std::string& prefixScript) override;
  std::string BuildHtml(int mode) override;
  // BuildParams appending to `out`.
  void AddParams(std::string& out, int form, const std::string& prefixScript);
  // A generous guess of the page's size, for reserving its buffer once.
  std::size_t EstimatePageSize() const;
  bool GetResourceFiles(std::vector<std::string>& list) override;

  // Resource registration: the position of `file` in the list (appended when
  // it is not there yet, exact comparison).
  int RegisterImage(const std::string& file);
  int RegisterAudio(const std::string& file);
  std::string driveRoot() const { return DriveRoot(); }

  std::vector<std::string> imageList;
  std::vector<std::string> audioList;
  int32_t buttonCounter = 1;

 private:
  void NewContents();
  // Set while a file is read: the layout runs once at the end.
  bool loading_ = false;
  // Positions of the list entries, kept in step with imageList and audioList.
  std::unordered_map<std::string, int> imageIndex_;
  std::unordered_map<std::string, int> audioIndex_;
  std::unique_ptr<PropProject> project_;
  std::vector<std::unique_ptr<PropButton>> buttons_;
};
