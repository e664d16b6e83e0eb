// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace quven::tool {

class Reporter;
struct ToolOptions;

// The commands, each returning the tool's exit status (docs/TABLE_TOOL.md).
int runRead(const ToolOptions& options, Reporter& reporter);
int runWrite(const ToolOptions& options, Reporter& reporter);  // write, and verify
int runDiff(const ToolOptions& options, Reporter& reporter);
int runShow(const ToolOptions& options, Reporter& reporter);

}  // namespace quven::tool
