#include "core/Doc.h"

#include "core/Archive.h"
#include "groups/button/PropButton.h"
#include "groups/project/PropProject.h"

Doc::Doc(KesApp& app)
    : KesDoc(app),
      content_(*this),
      writer_(*this, resources_),
      pageFiles_(*this),
      edits_(*this),
      file_(*this),
      parallelFrom(writer_.parallelFrom),
      imageList(resources_.images),
      audioList(resources_.audio),
      buttonCounter(content_.buttonCounter) {}

Doc::~Doc() = default;

// The project

int Doc::IndexOf(const PropButton* button) const {
  return content_.IndexOf(button);
}

std::unique_ptr<PropButton> Doc::CreateButton() {
  return content_.CreateButton();
}

PropButton* Doc::InsertButton(std::unique_ptr<PropButton> button, int index) {
  return content_.InsertButton(std::move(button), index);
}

std::unique_ptr<PropButton> Doc::RemoveButton(PropButton* button) {
  return content_.RemoveButton(button);
}

void Doc::MoveButton(PropButton* button, int index) {
  content_.MoveButton(button, index);
}

void Doc::LayoutButtons() {
  content_.LayoutButtons();
}

GroupPath Doc::PathOf(const KesProp* group) const {
  return content_.PathOf(group);
}

KesProp* Doc::GroupAt(const GroupPath& path) const {
  return content_.GroupAt(path);
}

Doc::Geometry Doc::CaptureGeometry() const {
  return content_.CaptureGeometry();
}

// The edits

void Doc::AddListener(DocListener* listener) {
  edits_.AddListener(listener);
}

void Doc::RemoveListener(DocListener* listener) {
  edits_.RemoveListener(listener);
}

PropButton* Doc::AddNewButton(int index) {
  return edits_.AddNewButton(index);
}

bool Doc::DeleteButtonAt(int index, const std::string& verb) {
  return edits_.DeleteButtonAt(index, verb);
}

bool Doc::MoveButtonTo(int from, int to) {
  return edits_.MoveButtonTo(from, to);
}

bool Doc::PlaceButtonAt(int index, int32_t x, int32_t y) {
  return edits_.PlaceButtonAt(index, x, y);
}

PropButton* Doc::DuplicateButtonAt(int index) {
  return edits_.DuplicateButtonAt(index);
}

bool Doc::PasteGroupAt(const GroupPath& path, const std::string& bytes) {
  return edits_.PasteGroupAt(path, bytes);
}

bool Doc::RecordGroupEdit(const GroupPath& path, const std::string& before, const std::string& name,
                          const Geometry* geometryBefore) {
  return edits_.RecordGroupEdit(path, before, name, geometryBefore);
}

bool Doc::CopyToOtherStates(const GroupPath& path) {
  return edits_.CopyToOtherStates({path});
}

bool Doc::CopyToOtherStates(const std::vector<GroupPath>& paths) {
  return edits_.CopyToOtherStates(paths);
}

bool Doc::ApplyEdits(std::vector<GroupEdit> edits, const std::string& name,
                     const Geometry* geometryBefore, bool follow) {
  return edits_.ApplyEdits(std::move(edits), name, geometryBefore, follow);
}

bool Doc::RecordFieldEdit(const GroupPath& path, const std::vector<FieldValue>& before,
                          const std::string& name, const Geometry* geometryBefore) {
  return edits_.RecordFieldEdit(path, before, name, geometryBefore);
}

bool Doc::PasteStyleAt(const std::vector<GroupPath>& paths, const std::string& bytes) {
  return edits_.PasteStyleAt(paths, bytes);
}

void Doc::SetFields(const std::vector<GroupEdit>& edits, bool undo, const Geometry* geometry) {
  edits_.SetFields(edits, undo, geometry);
}

bool Doc::DeleteButtonsAt(std::vector<int> indices, const std::string& verb) {
  return edits_.DeleteButtonsAt(std::move(indices), verb);
}

bool Doc::MoveButtonsBy(std::vector<int> indices, int delta) {
  return edits_.MoveButtonsBy(std::move(indices), delta);
}

bool Doc::DuplicateButtonsAt(std::vector<int> indices) {
  return edits_.DuplicateButtonsAt(std::move(indices));
}

bool Doc::PasteGroupsAt(const std::vector<GroupPath>& paths,
                        const std::vector<std::string>& bytes) {
  return edits_.PasteGroupsAt(paths, bytes);
}

bool Doc::PasteFromClipboard(std::vector<GroupPath> paths, bool style) {
  return edits_.PasteFromClipboard(std::move(paths), style);
}

std::string Doc::JoinGroups(const std::vector<std::string>& groups) {
  return Edits::JoinGroups(groups);
}

std::vector<std::string> Doc::SplitGroups(const std::string& list) {
  return Edits::SplitGroups(list);
}

bool Doc::ReadsAsGroup(PropClass kind, const std::string& bytes) {
  return edits_.ReadsAsGroup(kind, bytes);
}

bool Doc::Undo() {
  return edits_.Undo();
}

bool Doc::Redo() {
  return edits_.Redo();
}

void Doc::RestoreGroup(const GroupPath& path, const std::string& bytes, const Geometry* geometry) {
  edits_.RestoreGroup(path, bytes, geometry);
}

void Doc::PutButton(int index, const std::string& bytes) {
  edits_.PutButton(index, bytes);
}

void Doc::TakeButton(int index) {
  edits_.TakeButton(index);
}

void Doc::PlaceButton(int from, int to) {
  edits_.PlaceButton(from, to);
}

std::string Doc::CopyGroup(KesProp& group) {
  return Edits::CopyGroup(group);
}

bool Doc::PasteGroup(KesProp& target, const std::string& bytes) {
  return Edits::PasteGroup(target, bytes);
}

void Doc::OnModifiedChanged() {
  edits_.Notify({DocChange::Kind::ModifiedChanged});
}

void Doc::StopPreview() {
  if (pageFiles_.stopPreview) pageFiles_.stopPreview();
}

void Doc::MarkSaved() {
  edits_.history().MarkClean();
  SetModifiedFlag(false);
}

void Doc::MarkUnsaved() {
  edits_.history().ForgetClean();
  SetModifiedFlag(true);
}

// The project file

bool Doc::OnNewDocument() {
  return file_.New();
}

bool Doc::OnOpenDocument(const std::string& path) {
  return file_.Open(path);
}

bool Doc::ReloadFromDisk() {
  return file_.Reload();
}

bool Doc::ReadAgainIn(CodePage page) {
  return file_.ReadAgainIn(page);
}

bool Doc::OpenInCodePage(const std::string& path, CodePage page) {
  return file_.Open(path, page);
}

bool Doc::OpenAsNew(const std::string& path) {
  return file_.OpenAsNew(path);
}

bool Doc::OpenFromBytes(std::string_view bytes, const std::string& path) {
  return file_.OpenFromBytes(bytes, path);
}

void Doc::DeleteContents() {
  file_.DeleteContents();
}

bool Doc::OnSaveDocument(const std::string& path) {
  return file_.Save(path);
}

std::vector<std::string> Doc::RebaseFileNames(const std::string& from, const std::string& to) {
  return file_.RebaseFileNames(from, to);
}

void Doc::Serialize(Archive& ar) {
  file_.Serialize(ar);
}

std::string Doc::ProposedPagePath() const {
  return file_.ProposedPagePath();
}

// Generation

std::string Doc::BuildParams(ParamForm form, const std::string& prefixScript) {
  std::string out;
  writer_.AddParams(out, form, prefixScript);
  return out;
}

bool Doc::WriteParams(ParamForm form, const Sink& sink) {
  std::string out;
  out.reserve(kSinkPiece + kSinkPiece / 4);
  return writer_.AddParams(out, form, std::string(), &sink) && sink(out);
}

bool Doc::AddParams(std::string& out, ParamForm form, const std::string& prefixScript,
                    const Sink* sink) {
  return writer_.AddParams(out, form, prefixScript, sink);
}

std::string Doc::BuildHtml(PageMode mode) {
  std::string h;
  writer_.AddHtml(h, mode, nullptr);
  return h;
}

bool Doc::WriteHtml(PageMode mode, const Sink& sink) {
  std::string h;
  h.reserve(kSinkPiece + kSinkPiece / 4);
  return writer_.AddHtml(h, mode, &sink) && sink(h);
}

bool Doc::SaveHtml(std::string& path, bool ask, bool preview) {
  return pageFiles_.SaveHtml(path, ask, preview);
}

bool Doc::SaveInputFile(std::string path, bool ask) {
  return pageFiles_.SaveInputFile(std::move(path), ask);
}

bool Doc::CopySegmentToClipboard() {
  return pageFiles_.CopySegmentToClipboard();
}

std::size_t Doc::EstimatePageSize() const {
  return writer_.EstimatePageSize();
}

bool Doc::GetResourceFiles(std::vector<std::string>& list) {
  std::vector<GateKind> expected;
  return writer_.GetResourceFiles(list, expected);
}

bool Doc::GetResourceFiles(std::vector<std::string>& list, std::vector<GateKind>& expected) {
  return writer_.GetResourceFiles(list, expected);
}

int Doc::RegisterImage(const std::string& file) {
  return writer_.RegisterImage(file);
}

int Doc::RegisterAudio(const std::string& file) {
  return writer_.RegisterAudio(file);
}
