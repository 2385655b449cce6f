/* Option button: the choice behaviour comes with the check box class (included). */
VLMObject.define("radiobutton", VLM.mix(VLM.ChoiceQuestion, { inputType: "radio" }));
