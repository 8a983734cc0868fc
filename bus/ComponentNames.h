#pragma once

// Registration names of the components that meet on the bus.
constexpr char kSystemLogName[] = "korvo sys log";
constexpr char kErrorManagerName[] = "error manager";
constexpr char kTransportProtocolName[] = "transport protocol";
constexpr char kMemoryReaderName[] = "memcopy";
constexpr char kSymbolManagerName[] = "symbole manager";
constexpr char kOutputName[] = "output";
constexpr char kConnectorName[] = "com connector";
constexpr char kUpgradeName[] = "upgrade";
