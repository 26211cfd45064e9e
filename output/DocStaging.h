// The staging the program gives its documents (core/FileStaging.h): a
// preview's private copies of what the file gate lets through, the runtime
// beside a published page, and a template's files on a project's first save.
#pragma once

#include "core/FileStaging.h"

class DocStaging : public FileStaging {
 public:
  bool StagePreview(KesDoc& doc, const std::vector<std::string>& list,
                    const std::vector<GateKind>& expected, const std::string& directory) override;
  bool AgreeToPlaceRuntime(KesDoc& doc, const std::string& page) override;
  void PlaceRuntimeBeside(KesDoc& doc, const std::string& page) override;
  std::string BringTemplateFile(KesDoc& doc, const std::string& file, GateKind kind,
                                const std::string& folder) override;
};
