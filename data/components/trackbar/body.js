VLMObject.create("trackbar", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
<!-- element:answer //-->  correctAnswer: "<!-- property:correctAnswer //-->",<!-- /element:answer //-->
  points: "<!-- property:points //-->",
  min: "<!-- property:min //-->",
  max: "<!-- property:max //-->",
  increment: "<!-- property:increment //-->",
  value: "<!-- property:value //-->",
  showValue: "<!-- property:showValue //-->",
  color: "<!-- property:color //-->",
  label: "<!-- property:label //-->"
}, {
  onchange: function () {
<!-- event:onchange //-->
  },
  oncorrect: function () {
<!-- event:oncorrect //-->
  },
  onwrong: function () {
<!-- event:onwrong //-->
  }
});
