// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace quven {

// The TCP port a QUVEN-01 controller listens on as it leaves the factory.
constexpr int kControllerPort = 7777;

}  // namespace quven
