// The editor's pages, by the view class each group names.
#pragma once

class PageRegistry;

void RegisterEditorPages(PageRegistry& pages);
