VLMObject.create("checkbox", {
  name: "<!-- property:name //-->",
  x: "<!-- property:x //-->",
  y: "<!-- property:y //-->",
  width: "<!-- property:width //-->",
  height: "<!-- property:height //-->",
  visibility: "<!-- property:visibility //-->",
  step: "<!-- property:step //-->",
<!-- element:answer //-->  correctAnswer: "<!-- property:correctAnswer //-->",<!-- /element:answer //-->
  points: "<!-- property:points //-->",
  caption: "<!-- property:caption //-->",
  group: "<!-- property:group //-->",
  checked: "<!-- property:checked //-->",
  fontFamily: "<!-- property:fontFamily //-->",
  fontSize: "<!-- property:fontSize //-->",
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
