// The files a page needs beside it, and those a template brings along, are
// put in place by the output code (output/DocStaging.h), which the core does
// not know: the program hands the document a FileStaging, and the document
// asks it. Without one, nothing is staged and no template file is copied.
#pragma once

#include <string>
#include <vector>

class KesDoc;

// What the page uses a file as: the program's own file, an image, a sound, a
// font or its input file (None: an image, sound or font).
enum class GateKind { None, Program, Image, Sound, Font, InputFile };

class FileStaging {
 public:
  virtual ~FileStaging() = default;
  // The files of `list` a preview may show, staged as private copies into
  // the private folder `directory` (`expected`: what the page uses each as).
  // False when the folder cannot be made or the user cancels.
  virtual bool StagePreview(KesDoc& doc, const std::vector<std::string>& list,
                            const std::vector<GateKind>& expected,
                            const std::string& directory) = 0;
  // Before a page with the runtime is written as `page`: true when the
  // runtime beside it would replace nothing of other bytes, or the user
  // agrees that it may.
  virtual bool AgreeToPlaceRuntime(KesDoc& doc, const std::string& page) = 0;
  // Copies the runtime beside the written `page`; a refused or failed copy
  // is reported.
  virtual void PlaceRuntimeBeside(KesDoc& doc, const std::string& page) = 0;
  // A first save brings a template's file `file` (of `kind`) along into
  // `folder`: the file to name from then on, the copy there (a file of that
  // name there holding the same bytes counts), or `file` itself when it is
  // no template's file the file gate lets through, or the copy failed.
  virtual std::string BringTemplateFile(KesDoc& doc, const std::string& file, GateKind kind,
                                        const std::string& folder) = 0;
};
