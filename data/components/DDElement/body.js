VLMObject.create("DDElement", {
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
  bgColor: "<!-- property:bgColor //-->",
  borderColor: "<!-- property:borderColor //-->",
  fontFamily: "<!-- property:fontFamily //-->",
  fontSize: "<!-- property:fontSize //-->",
  color: "<!-- property:color //-->"
}, {
  ondrop: function () {
<!-- event:ondrop //-->
  },
  oncorrect: function () {
<!-- event:oncorrect //-->
  },
  onwrong: function () {
<!-- event:onwrong //-->
  }
});
