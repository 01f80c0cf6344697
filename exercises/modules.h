#pragma once
// Start-up and clean-up of the two exercise modules.
//
// Each exercise window (the worked example and the control task) owns one
// reference-formula object and one variable table.  They are created before
// any window exists and destroyed after the windows, in reverse order; in
// between the windows reach them through the accessors below.  An accessor
// called outside that span throws std::logic_error.
class TMyPacketEquation;
class TMyPacketData;

// Creates, for each exercise window, one TMyPacketEquation and one
// TMyPacketData.  A second call without DoneExerciseModules in between does
// nothing.
void InitExerciseModules();
// Destroys them (reverse order of creation).  Safe to call more than once.
void DoneExerciseModules();

// True between InitExerciseModules and DoneExerciseModules.
bool ExerciseModulesReady();

// The worked example's reference formula and variable table.
TMyPacketEquation& UrEquation();
TMyPacketData& UrData();

// The control task's reference formula and variable table.
TMyPacketEquation& KzsEquation();
TMyPacketData& KzsData();
