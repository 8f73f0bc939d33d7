#pragma once

// Registers the value types that travel through queued signals and QVariant.
void registerMetaTypes();
