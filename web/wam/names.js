// SPDX-License-Identifier: MIT
// Names the page's side and the audio worklet's side both use.

export const kProcessorName = 'orvane-kestrigo';
export const kModuleId = 'OrvaneKestrigo';
