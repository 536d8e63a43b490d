#pragma once
// The league rules engine.
