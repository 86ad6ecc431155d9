#pragma once
// The platform layer: what stands for the original desktop framework under Qt.
